#include "support/x11/X11User.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <stdexcept>

X11User::X11User(const std::string& displayName) : display_(XOpenDisplay(displayName.c_str())) {
    if (display_ == nullptr) {
        throw std::runtime_error("cannot open display " + displayName);
    }
}

X11User::~X11User() {
    XCloseDisplay(display_);
}

void X11User::click(int x, int y) {
    XTestFakeMotionEvent(display_, -1, x, y, CurrentTime);
    XTestFakeButtonEvent(display_, 1, True, CurrentTime);
    XTestFakeButtonEvent(display_, 1, False, CurrentTime);
    XSync(display_, False);
}

void X11User::key(const std::string& keysym, bool shift) {
    const KeySym symbol = XStringToKeysym(keysym.c_str());
    const KeyCode code = symbol == NoSymbol ? 0 : XKeysymToKeycode(display_, symbol);
    if (code == 0) {
        throw std::runtime_error("no key types " + keysym);
    }
    const KeyCode shiftKey = XKeysymToKeycode(display_, XStringToKeysym("Shift_L"));
    if (shift) {
        XTestFakeKeyEvent(display_, shiftKey, True, CurrentTime);
    }
    XTestFakeKeyEvent(display_, code, True, CurrentTime);
    XTestFakeKeyEvent(display_, code, False, CurrentTime);
    if (shift) {
        XTestFakeKeyEvent(display_, shiftKey, False, CurrentTime);
    }
    XSync(display_, False);
}
