#include "sending/x11/X11ErrorTrap.h"

namespace {

X11ErrorTrap* Innermost = nullptr; // one user-interface thread

} // namespace

X11ErrorTrap::X11ErrorTrap(Display* display)
    : display_(display), previous_(nullptr), outer_(Innermost) {
    // Errors of requests made before belong to whoever made them.
    XSync(display_, False);
    previous_ = XSetErrorHandler(&X11ErrorTrap::handle);
    Innermost = this;
}

X11ErrorTrap::~X11ErrorTrap() {
    XSync(display_, False);
    Innermost = outer_;
    XSetErrorHandler(previous_);
}

bool X11ErrorTrap::failed() {
    XSync(display_, False);
    return failed_;
}

int X11ErrorTrap::handle(Display* display, XErrorEvent* error) {
    for (X11ErrorTrap* trap = Innermost; trap != nullptr; trap = trap->outer_) {
        if (trap->display_ == display) {
            trap->failed_ = true;
            return 0;
        }
    }
    X11ErrorTrap* outermost = Innermost;
    while (outermost != nullptr && outermost->outer_ != nullptr) {
        outermost = outermost->outer_;
    }
    if (outermost != nullptr && outermost->previous_ != nullptr) {
        return outermost->previous_(display, error);
    }
    return 0;
}
