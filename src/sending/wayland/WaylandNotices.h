#pragma once

#include <string>
#include <string_view>

// What the user is told once, the first time a send finds no window, on a Wayland desktop
// that the program cannot fully reach. UTF-8.

// KDE Plasma without our desktop file: KWin hides its window list and fake input.
std::string desktopFileMissingMessage(std::string_view desktopFile);

// GNOME and other desktops without a window list for other programs: only XWayland
// windows are reached, through X11.
std::string x11WindowsOnlyMessage();
