#include "sending/x11/X11Activation.h"

#include "sending/x11/X11ErrorTrap.h"
#include "sending/x11/X11Windows.h"

#include <X11/Xutil.h>

#include <thread>

namespace {

constexpr long kSourcePager = 2;
constexpr std::chrono::milliseconds kFocusPoll{2};

bool windowExists(Display* display, Window window) {
    X11ErrorTrap trap(display);
    XWindowAttributes attributes{};
    return XGetWindowAttributes(display, window, &attributes) != 0 && !trap.failed();
}

} // namespace

X11Activation::X11Activation(Display* display, const X11Atoms& atoms)
    : display_(display), atoms_(atoms), ping_(display, atoms) {}

void X11Activation::activate(Window window) {
    X11ErrorTrap trap(display_);
    if (windowManagerRunning(display_, atoms_)) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = atoms_.netActiveWindow;
        event.xclient.format = 32;
        event.xclient.data.l[0] = kSourcePager; // a pager's request is not held back
        event.xclient.data.l[1] = CurrentTime;
        event.xclient.data.l[2] = None;
        XSendEvent(display_, DefaultRootWindow(display_), False,
                   SubstructureRedirectMask | SubstructureNotifyMask, &event);
        return;
    }
    XRaiseWindow(display_, window);
    // The focus can only go to a viewable window; a hidden one stays hidden.
    if (windowIsViewable(display_, window)) {
        XSetInputFocus(display_, window, RevertToParent, CurrentTime);
    }
}

void X11Activation::restore(Window window) {
    X11ErrorTrap trap(display_);
    // ICCCM: a client leaves the iconic state by mapping its window again.
    if (windowWmState(display_, atoms_, window) == IconicState) {
        XMapWindow(display_, window);
    }
}

bool X11Activation::bringToForeground(Window window) {
    if (window == None) {
        return false;
    }
    if (focusStayed_ && window == watchedTarget_) {
        return true;
    }
    // The focus is new to the window here, whoever moved it (the lookup's activation
    // usually has): let the client take it in before the first key.
    if (!focusIsIn(window) && !moveFocus(window)) {
        return false;
    }
    settle(window);
    return true;
}

bool X11Activation::moveFocus(Window window) {
    if (!windowExists(display_, window)) {
        return false;
    }
    activate(window);
    const auto deadline = std::chrono::steady_clock::now() + kFocusWait;
    while (!focusIsIn(window)) {
        if (std::chrono::steady_clock::now() >= deadline || !windowExists(display_, window)) {
            return false;
        }
        // Without a window manager nobody else will map a hidden window.
        bool viewable = false;
        bool managed = false;
        {
            X11ErrorTrap trap(display_);
            viewable = windowIsViewable(display_, window);
            managed = windowManagerRunning(display_, atoms_);
        }
        if (!viewable && !managed) {
            return false;
        }
        std::this_thread::sleep_for(kFocusPoll);
    }
    return true;
}

void X11Activation::settle(Window window) {
    ping_.roundTrip(window, kPingWait);
    std::this_thread::sleep_for(kFocusSettle);
}

void X11Activation::takeEvent(const XEvent& event) {
    if (event.xany.window != watched_) {
        return;
    }
    if (event.type == FocusOut || event.type == UnmapNotify || event.type == DestroyNotify) {
        focusStayed_ = false;
    }
}

void X11Activation::watch(Window focus, Window target) {
    X11ErrorTrap trap(display_);
    if (watched_ != None && watched_ != focus) {
        XSelectInput(display_, watched_, NoEventMask);
    }
    XSelectInput(display_, focus, FocusChangeMask | StructureNotifyMask);
    watched_ = focus;
    watchedTarget_ = target;
    // Asked for again after selecting, so that no change between the two goes unseen.
    Window now = None;
    int revert = 0;
    XGetInputFocus(display_, &now, &revert);
    focusStayed_ = now == focus && !trap.failed();
}

bool X11Activation::focusIsIn(Window window) {
    if (focusStayed_ && window == watchedTarget_) {
        return true;
    }
    Window focus = None;
    int revert = 0;
    XGetInputFocus(display_, &focus, &revert);
    if (focus == None || focus == PointerRoot) {
        return false;
    }
    bool inside = focus == window;
    // The focus may lie on a window inside the target.
    {
        X11ErrorTrap trap(display_);
        const Window root = DefaultRootWindow(display_);
        for (Window current = focus; !inside && current != None && current != root;) {
            Window rootReturn = None;
            Window parent = None;
            Window* children = nullptr;
            unsigned count = 0;
            if (XQueryTree(display_, current, &rootReturn, &parent, &children, &count) == 0) {
                return false;
            }
            if (children != nullptr) {
                XFree(children);
            }
            inside = parent == window;
            current = parent;
        }
    }
    if (inside) {
        watch(focus, window);
    }
    return inside;
}
