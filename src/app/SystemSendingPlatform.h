#pragma once

#include "sending/SendingPlatform.h"

#include <memory>
#include <string>

struct SystemSending {
    // Nothing when the desktop's services are not available (no X display, no compositor
    // that lets us in).
    std::unique_ptr<SendingPlatform> platform;
    // What the desktop keeps from the program, to tell the user once (UTF-8); empty when
    // nothing.
    std::string notice;
};

// The sending services of the desktop the program runs on: Win32 on Windows; on Linux the
// wlroots or KWin backend on a Wayland session that offers their protocols, else X11. One
// backend for the whole run: after a virtual keyboard typed, XWayland's keymap is ours, and
// the X11 layout lookup would type garbage.
SystemSending createSystemSendingPlatform();
