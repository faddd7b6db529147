#pragma once

#include "support/x11/TemporaryDirectory.h"

#include <map>
#include <string>
#include <vector>

enum class Compositor { Sway, KWin };

// A headless compositor with XWayland for the test program, started by the scripts beside
// this file and ended with the object. sway runs as the user quipwl (made when missing),
// KWin as root with the German layout; both let root's Wayland and X clients in.
class WaylandSession {
public:
    // With permissionChecks (KWin only), KWin offers its window list and fake input only to
    // programs that a desktop file in applicationsDirectory() names.
    explicit WaylandSession(Compositor compositor, bool permissionChecks = false);
    ~WaylandSession();
    WaylandSession(const WaylandSession&) = delete;
    WaylandSession& operator=(const WaylandSession&) = delete;

    Compositor compositor() const { return compositor_; }
    // The absolute path of the compositor's socket, as WAYLAND_DISPLAY takes it.
    const std::string& socket() const { return values_.at("WAYLAND_DISPLAY"); }
    const std::string& display() const { return values_.at("DISPLAY"); }
    std::string applicationsDirectory() const;
    // For a client of the session: WAYLAND_DISPLAY, DISPLAY and a runtime directory of its
    // own; with QT_QPA_PLATFORM=wayland for a native client, xcb for an XWayland one.
    std::vector<std::string> environment(bool native) const;

private:
    std::string script() const;

    Compositor compositor_;
    TemporaryDirectory directory_;
    std::map<std::string, std::string> values_;
    std::string clientRuntime_;
};
