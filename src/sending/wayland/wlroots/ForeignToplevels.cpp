#include "sending/wayland/wlroots/ForeignToplevels.h"

#include "sending/wayland/WaylandConnection.h"
#include "wlr-foreign-toplevel-management-unstable-v1-client-protocol.h"

#include <wayland-client.h>

#include <stdexcept>

namespace {

using Toplevel = ForeignToplevels::Toplevel;

void onTitle(void* data, zwlr_foreign_toplevel_handle_v1*, const char* title) {
    static_cast<Toplevel*>(data)->pendingTitle = title;
}

void onAppId(void*, zwlr_foreign_toplevel_handle_v1*, const char*) {}
void onOutput(void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) {}

void onState(void* data, zwlr_foreign_toplevel_handle_v1*, wl_array* states) {
    auto* t = static_cast<Toplevel*>(data);
    t->pendingActivated = false;
    t->pendingMinimized = false;
    const auto* state = static_cast<const std::uint32_t*>(states->data);
    for (std::size_t i = 0; i < states->size / sizeof(std::uint32_t); ++i) {
        t->pendingActivated |= state[i] == ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_ACTIVATED;
        t->pendingMinimized |= state[i] == ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_MINIMIZED;
    }
}

// Properties count only once done closes a batch.
void onDone(void* data, zwlr_foreign_toplevel_handle_v1*) {
    auto* t = static_cast<Toplevel*>(data);
    if (t->pendingActivated && !t->activated) {
        t->activatedAt = t->owner->nextActivation();
    }
    t->title = t->pendingTitle;
    t->activated = t->pendingActivated;
    t->minimized = t->pendingMinimized;
    t->announced = true;
}

void onClosed(void* data, zwlr_foreign_toplevel_handle_v1*) {
    static_cast<Toplevel*>(data)->closed = true;
}

void onParent(void*, zwlr_foreign_toplevel_handle_v1*, zwlr_foreign_toplevel_handle_v1*) {}

const zwlr_foreign_toplevel_handle_v1_listener kHandleListener{
    onTitle, onAppId, onOutput, onOutput, onState, onDone, onClosed, onParent};

void onToplevel(void* data, zwlr_foreign_toplevel_manager_v1*,
                zwlr_foreign_toplevel_handle_v1* handle) {
    static_cast<ForeignToplevels*>(data)->addToplevel(handle);
}

void onFinished(void*, zwlr_foreign_toplevel_manager_v1*) {}

const zwlr_foreign_toplevel_manager_v1_listener kManagerListener{onToplevel, onFinished};

} // namespace

ForeignToplevels::ForeignToplevels(WaylandConnection& connection) : connection_(connection) {
    manager_ = static_cast<zwlr_foreign_toplevel_manager_v1*>(
        connection.bind(&zwlr_foreign_toplevel_manager_v1_interface, 3));
    if (manager_ == nullptr) {
        throw std::runtime_error("no zwlr_foreign_toplevel_manager_v1");
    }
    zwlr_foreign_toplevel_manager_v1_add_listener(manager_, &kManagerListener, this);
    // The existing toplevels, then their properties.
    connection.roundtrip();
    connection.roundtrip();
}

ForeignToplevels::~ForeignToplevels() {
    for (auto& t : toplevels_) {
        zwlr_foreign_toplevel_handle_v1_destroy(t->handle);
    }
    zwlr_foreign_toplevel_manager_v1_stop(manager_);
    wl_display_flush(connection_.raw());
}

void ForeignToplevels::addToplevel(zwlr_foreign_toplevel_handle_v1* handle) {
    auto t = std::make_unique<Toplevel>();
    t->owner = this;
    t->handle = handle;
    t->id = nextId_++;
    zwlr_foreign_toplevel_handle_v1_add_listener(handle, &kHandleListener, t.get());
    toplevels_.push_back(std::move(t));
}

std::vector<WaylandWindow> ForeignToplevels::windows() const {
    std::vector<WaylandWindow> list;
    for (const auto& t : toplevels_) {
        if (t->announced && !t->closed) {
            list.push_back({t->id, t->title, t->activated, t->minimized, t->activatedAt});
        }
    }
    return list;
}

ForeignToplevels::Toplevel* ForeignToplevels::find(std::uint32_t id) const {
    for (const auto& t : toplevels_) {
        if (t->id == id && !t->closed) {
            return t.get();
        }
    }
    return nullptr;
}

bool ForeignToplevels::isActive(std::uint32_t id) const {
    const Toplevel* t = find(id);
    return t != nullptr && t->activated;
}

void ForeignToplevels::restore(std::uint32_t id) {
    if (Toplevel* t = find(id); t != nullptr && t->minimized) {
        zwlr_foreign_toplevel_handle_v1_unset_minimized(t->handle);
        connection_.flush();
    }
}

bool ForeignToplevels::activate(std::uint32_t id, wl_seat* seat,
                                std::chrono::milliseconds timeout) {
    Toplevel* t = find(id);
    if (t == nullptr) {
        return false;
    }
    if (t->minimized) {
        zwlr_foreign_toplevel_handle_v1_unset_minimized(t->handle);
    }
    zwlr_foreign_toplevel_handle_v1_activate(t->handle, seat);
    return connection_.dispatchUntil([&] { return isActive(id); }, timeout);
}
