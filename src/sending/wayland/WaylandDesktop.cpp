#include "sending/wayland/WaylandDesktop.h"

#include "sending/wayland/WaylandConnection.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace {

bool offers(const std::vector<std::string>& interfaces, std::string_view interface) {
    return std::find(interfaces.begin(), interfaces.end(), interface) != interfaces.end();
}

bool namesKde(std::string_view xdgCurrentDesktop) {
    std::size_t start = 0;
    while (start <= xdgCurrentDesktop.size()) {
        const std::size_t end =
            std::min(xdgCurrentDesktop.find(':', start), xdgCurrentDesktop.size());
        if (xdgCurrentDesktop.substr(start, end - start) == "KDE") {
            return true;
        }
        start = end + 1;
    }
    return false;
}

// KWin offers these to every client, and wlroots compositors none of them (they do offer
// org_kde_kwin_idle and org_kde_kwin_server_decoration_manager, which tell nothing).
bool looksLikeKWin(const std::vector<std::string>& interfaces) {
    for (const char* kdeOnly : {"org_kde_plasma_shell", "org_kde_plasma_virtual_desktop_management",
                                "org_kde_kwin_appmenu_manager", "kde_output_device_v2"}) {
        if (offers(interfaces, kdeOnly)) {
            return true;
        }
    }
    return false;
}

} // namespace

WaylandDesktop detectWaylandDesktop(const std::vector<std::string>& interfaces,
                                    std::string_view xdgCurrentDesktop) {
    if (offers(interfaces, "zwlr_foreign_toplevel_manager_v1") &&
        offers(interfaces, "zwp_virtual_keyboard_manager_v1")) {
        return WaylandDesktop::Wlroots;
    }
    if (offers(interfaces, "org_kde_plasma_window_management") &&
        offers(interfaces, "org_kde_kwin_fake_input")) {
        return WaylandDesktop::KWin;
    }
    if (looksLikeKWin(interfaces) || namesKde(xdgCurrentDesktop)) {
        return WaylandDesktop::KWinWithoutPermission;
    }
    return WaylandDesktop::Other;
}

WaylandDesktop probeWaylandDesktop() {
    const char* socket = std::getenv("WAYLAND_DISPLAY");
    if (socket == nullptr || *socket == '\0') {
        return WaylandDesktop::Other;
    }
    std::vector<std::string> interfaces;
    try {
        const WaylandConnection connection;
        for (const WaylandGlobal& global : connection.globals()) {
            interfaces.push_back(global.interface);
        }
    } catch (const std::runtime_error&) {
        return WaylandDesktop::Other;
    }
    const char* desktop = std::getenv("XDG_CURRENT_DESKTOP");
    return detectWaylandDesktop(interfaces, desktop != nullptr ? desktop : "");
}
