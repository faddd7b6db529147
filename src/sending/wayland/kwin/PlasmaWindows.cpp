#include "sending/wayland/kwin/PlasmaWindows.h"

#include "plasma-window-management-client-protocol.h"
#include "sending/wayland/WaylandConnection.h"

#include <wayland-client.h>

#include <algorithm>
#include <stdexcept>

namespace {

using Window = PlasmaWindows::Window;

void onTitle(void* data, org_kde_plasma_window*, const char* title) {
    static_cast<Window*>(data)->title = title;
}
void onAppId(void*, org_kde_plasma_window*, const char*) {}
void onState(void* data, org_kde_plasma_window*, std::uint32_t flags) {
    auto* w = static_cast<Window*>(data);
    constexpr std::uint32_t kActive = ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_ACTIVE;
    if ((flags & kActive) != 0 && (w->state & kActive) == 0) {
        w->activatedAt = w->owner->nextActivation();
    }
    w->state = flags;
}
void onDesktop(void*, org_kde_plasma_window*, std::int32_t) {}
void onIconName(void*, org_kde_plasma_window*, const char*) {}
void onUnmapped(void* data, org_kde_plasma_window*) {
    static_cast<Window*>(data)->unmapped = true;
}
void onInitialState(void* data, org_kde_plasma_window*) {
    static_cast<Window*>(data)->ready = true;
}
void onParent(void*, org_kde_plasma_window*, org_kde_plasma_window*) {}
void onGeometry(void*, org_kde_plasma_window*, std::int32_t, std::int32_t, std::uint32_t,
                std::uint32_t) {}
void onIcon(void*, org_kde_plasma_window*) {}
void onPid(void*, org_kde_plasma_window*, std::uint32_t) {}
void onString(void*, org_kde_plasma_window*, const char*) {}
void onMenu(void*, org_kde_plasma_window*, const char*, const char*) {}

const org_kde_plasma_window_listener kWindowListener{
    onTitle,        onAppId,  onState,    onDesktop, onIconName, onUnmapped,
    onInitialState, onParent, onGeometry, onIcon,    onPid,      onString,
    onString,       onMenu,   onString,   onString,  onString};

void onShowDesktop(void*, org_kde_plasma_window_management*, std::uint32_t) {}

void onWindow(void* data, org_kde_plasma_window_management* manager, std::uint32_t id) {
    auto* self = static_cast<PlasmaWindows*>(data);
    if (!self->byUuid()) {
        self->addWindow(org_kde_plasma_window_management_get_window(manager, id));
    }
}

void onStacking(void*, org_kde_plasma_window_management*, wl_array*) {}
void onStackingUuid(void*, org_kde_plasma_window_management*, const char*) {}

void onWindowWithUuid(void* data, org_kde_plasma_window_management* manager, std::uint32_t,
                      const char* uuid) {
    static_cast<PlasmaWindows*>(data)->addWindow(
        org_kde_plasma_window_management_get_window_by_uuid(manager, uuid));
}

const org_kde_plasma_window_management_listener kManagerListener{
    onShowDesktop, onWindow, onStacking, onStackingUuid, onWindowWithUuid};

} // namespace

PlasmaWindows::PlasmaWindows(WaylandConnection& connection) : connection_(connection) {
    manager_ = static_cast<org_kde_plasma_window_management*>(
        connection.bind(&org_kde_plasma_window_management_interface, 16));
    if (manager_ == nullptr) {
        throw std::runtime_error("no org_kde_plasma_window_management");
    }
    byUuid_ = connection.versionOf("org_kde_plasma_window_management") >= 13;
    org_kde_plasma_window_management_add_listener(manager_, &kManagerListener, this);
    connection.roundtrip();
    connection.roundtrip();
}

PlasmaWindows::~PlasmaWindows() {
    for (auto& w : windows_) {
        org_kde_plasma_window_destroy(w->window);
    }
    org_kde_plasma_window_management_destroy(manager_);
    wl_display_flush(connection_.raw());
}

void PlasmaWindows::addWindow(org_kde_plasma_window* window) {
    auto w = std::make_unique<Window>();
    w->owner = this;
    w->window = window;
    w->id = nextId_++;
    org_kde_plasma_window_add_listener(window, &kWindowListener, w.get());
    windows_.push_back(std::move(w));
}

std::vector<WaylandWindow> PlasmaWindows::windows() {
    constexpr int kMaxRoundtrips = 4;
    for (int i = 0; i < kMaxRoundtrips; ++i) {
        const bool pending = std::any_of(windows_.begin(), windows_.end(),
                                         [](const auto& w) { return !w->ready && !w->unmapped; });
        if (!pending) {
            break;
        }
        connection_.roundtrip();
    }
    std::vector<WaylandWindow> list;
    for (const auto& w : windows_) {
        if (w->ready && !w->unmapped) {
            list.push_back({w->id, w->title,
                            (w->state & ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_ACTIVE) != 0,
                            (w->state & ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_MINIMIZED) != 0,
                            w->activatedAt});
        }
    }
    return list;
}

PlasmaWindows::Window* PlasmaWindows::find(std::uint32_t id) const {
    for (const auto& w : windows_) {
        if (w->id == id && !w->unmapped) {
            return w.get();
        }
    }
    return nullptr;
}

bool PlasmaWindows::isActive(std::uint32_t id) const {
    const Window* w = find(id);
    return w != nullptr && (w->state & ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_ACTIVE) != 0;
}

bool PlasmaWindows::activate(std::uint32_t id, std::chrono::milliseconds timeout) {
    Window* w = find(id);
    if (w == nullptr) {
        return false;
    }
    org_kde_plasma_window_set_state(w->window,
                                    ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_ACTIVE |
                                        ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_MINIMIZED,
                                    ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_ACTIVE);
    return connection_.dispatchUntil([&] { return isActive(id); }, timeout);
}

void PlasmaWindows::restore(std::uint32_t id) {
    if (Window* w = find(id);
        w != nullptr && (w->state & ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_MINIMIZED) != 0) {
        org_kde_plasma_window_set_state(w->window, ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_MINIMIZED,
                                        0);
        connection_.flush();
    }
}
