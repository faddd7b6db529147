#pragma once

#include <X11/Xlib.h>

// While it lives, X protocol errors on `display` are recorded instead of going to Xlib's
// default handler, which ends the process: any window of another client may vanish between
// two requests. The handler is process-wide, so the previous one comes back at the end,
// and errors of other connections are passed on to it.
class X11ErrorTrap {
public:
    explicit X11ErrorTrap(Display* display);
    ~X11ErrorTrap();
    X11ErrorTrap(const X11ErrorTrap&) = delete;
    X11ErrorTrap& operator=(const X11ErrorTrap&) = delete;

    // Whether a request made so far failed; waits for the server's answer to all of them.
    bool failed();

private:
    static int handle(Display* display, XErrorEvent* error);

    Display* display_;
    XErrorHandler previous_;
    X11ErrorTrap* outer_;
    bool failed_ = false;
};
