#pragma once

#include "sending/x11/X11Atoms.h"

#include <X11/Xlib.h>

#include <chrono>

// The EWMH ping (_NET_WM_PING) as a round trip through another client: the server hands a
// client its events in order, so once the client has answered a ping it has read every
// event that was queued for it before, key events and keymap changes included.
class X11Ping {
public:
    X11Ping(Display* display, const X11Atoms& atoms);

    // Whether the window's client answers pings (WM_PROTOCOLS holds _NET_WM_PING).
    bool answers(Window window);
    // Pings the window's client and waits, at most `timeout`, for the answer; whether it
    // came. False at once for a client that does not answer pings.
    bool roundTrip(Window window, std::chrono::milliseconds timeout);

private:
    Display* display_;
    const X11Atoms& atoms_;
    long pings_ = 0;
};
