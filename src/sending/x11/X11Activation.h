#pragma once

#include "sending/x11/X11Atoms.h"
#include "sending/x11/X11Ping.h"

#include <X11/Xlib.h>

#include <chrono>

// Bringing another client's window to the front with the keyboard focus: through the
// window manager when one runs (EWMH _NET_ACTIVE_WINDOW, as a pager asks), otherwise by
// raising it and setting the input focus ourselves.
class X11Activation {
public:
    // How long to wait for the focus to arrive before keystrokes are given up.
    static constexpr std::chrono::milliseconds kFocusWait{2000};
    // A client passes a newly arrived focus on to its text field after the focus event
    // (a browser through its page renderer); keys sent earlier can go nowhere. So after
    // moving the focus we wait until the client has answered a ping, which it does once
    // it has read the focus event, and then a little longer.
    static constexpr std::chrono::milliseconds kPingWait{500};
    static constexpr std::chrono::milliseconds kFocusSettle{50};

    X11Activation(Display* display, const X11Atoms& atoms);

    // Asks for the window to become active; returns once the server has the request.
    void activate(Window window);
    // Brings a minimised (iconic) window back to its previous state.
    void restore(Window window);
    // Whether the keyboard focus is in the window, activating it and waiting, bounded,
    // when it is not. Costs no round trip while the focus stays where it was found; each
    // time the focus is found anew, the client is given time to take it in.
    bool bringToForeground(Window window);

    // Takes in an event the server sent: the focus leaving the window it was found in.
    void takeEvent(const XEvent& event);

    // The round trip that the focus waits for, for others that must know the target has
    // read what was sent to it.
    X11Ping& ping() { return ping_; }

private:
    bool focusIsIn(Window window);
    bool moveFocus(Window window);
    void settle(Window window);
    void watch(Window focus, Window target);

    Display* display_;
    const X11Atoms& atoms_;
    X11Ping ping_;
    // The focus window last found inside a target; it is watched for the focus leaving
    // it, so that the focus need not be asked for before every character.
    Window watched_ = None;
    Window watchedTarget_ = None;
    bool focusStayed_ = false;
};
