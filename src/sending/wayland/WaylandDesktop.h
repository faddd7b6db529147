#pragma once

#include <string>
#include <string_view>
#include <vector>

// What a Wayland session offers for sending, by the globals its compositor announces.
enum class WaylandDesktop {
    Wlroots,               // the foreign-toplevel list and virtual keyboards
    KWin,                  // KDE's window list and fake input
    KWinWithoutPermission, // a KDE session that hides them: our desktop file is missing
    Other,                 // GNOME and the rest: XWayland windows only, through X11
};

// The desktop that the announced interfaces and XDG_CURRENT_DESKTOP (a colon-separated
// list) call for.
WaylandDesktop detectWaylandDesktop(const std::vector<std::string>& interfaces,
                                    std::string_view xdgCurrentDesktop);

// Connects to WAYLAND_DISPLAY and detects the desktop from its globals; Other when the
// variable is unset or no compositor answers.
WaylandDesktop probeWaylandDesktop();
