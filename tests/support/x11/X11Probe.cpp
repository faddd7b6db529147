#include "support/x11/X11Probe.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <stdexcept>
#include <thread>
#include <vector>

namespace {

int ignoreErrors(Display*, XErrorEvent*) {
    return 0; // windows of the tests' targets come and go
}

} // namespace

X11Probe::X11Probe(const std::string& displayName) : display_(XOpenDisplay(displayName.c_str())) {
    if (display_ == nullptr) {
        throw std::runtime_error("cannot open display " + displayName);
    }
}

X11Probe::~X11Probe() {
    XCloseDisplay(display_);
}

std::string X11Probe::caption(XWindowId window) {
    const XErrorHandler previous = XSetErrorHandler(ignoreErrors);
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::string result;
    if (XGetWindowProperty(display_, window, XInternAtom(display_, "_NET_WM_NAME", False), 0, 65536,
                           False, XInternAtom(display_, "UTF8_STRING", False), &type, &format,
                           &items, &remaining, &data) == Success &&
        data != nullptr) {
        result.assign(reinterpret_cast<const char*>(data), items);
    }
    if (data != nullptr) {
        XFree(data);
    }
    XSync(display_, False);
    XSetErrorHandler(previous);
    return result;
}

std::optional<XWindowId> X11Probe::findWindowByCaptionPrefix(const std::string& prefix) {
    std::vector<Window> pending{DefaultRootWindow(display_)};
    const XErrorHandler previous = XSetErrorHandler(ignoreErrors);
    std::optional<XWindowId> found;
    while (!pending.empty() && !found) {
        const Window window = pending.back();
        pending.pop_back();
        if (caption(window).rfind(prefix, 0) == 0) {
            found = window;
            break;
        }
        Window root = None;
        Window parent = None;
        Window* children = nullptr;
        unsigned count = 0;
        if (XQueryTree(display_, window, &root, &parent, &children, &count) != 0) {
            pending.insert(pending.end(), children, children + count);
            if (children != nullptr) {
                XFree(children);
            }
        }
    }
    XSync(display_, False);
    XSetErrorHandler(previous);
    return found;
}

void X11Probe::raise(XWindowId window) {
    XRaiseWindow(display_, window);
    XSync(display_, False);
}

void X11Probe::focusWindow(XWindowId window) {
    const XErrorHandler previous = XSetErrorHandler(ignoreErrors);
    XSetInputFocus(display_, window == 0 ? PointerRoot : window, RevertToParent, CurrentTime);
    XSync(display_, False);
    XSetErrorHandler(previous);
}

XWindowId X11Probe::focus() {
    Window focus = None;
    int revert = 0;
    XGetInputFocus(display_, &focus, &revert);
    return focus;
}

long X11Probe::wmState(XWindowId window) {
    const XErrorHandler previous = XSetErrorHandler(ignoreErrors);
    const Atom wmState = XInternAtom(display_, "WM_STATE", False);
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    long state = 0;
    if (XGetWindowProperty(display_, window, wmState, 0, 2, False, wmState, &type, &format, &items,
                           &remaining, &data) == Success &&
        data != nullptr && items > 0) {
        state = reinterpret_cast<long*>(data)[0];
    }
    if (data != nullptr) {
        XFree(data);
    }
    XSync(display_, False);
    XSetErrorHandler(previous);
    return state;
}

bool X11Probe::windowManagerRunning() {
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    const bool running =
        XGetWindowProperty(display_, DefaultRootWindow(display_),
                           XInternAtom(display_, "_NET_SUPPORTING_WM_CHECK", False), 0, 1, False,
                           XA_WINDOW, &type, &format, &items, &remaining, &data) == Success &&
        items == 1;
    if (data != nullptr) {
        XFree(data);
    }
    return running;
}

void X11Probe::setCapsLock(bool on) {
    XkbLockModifiers(display_, XkbUseCoreKbd, LockMask, on ? LockMask : 0);
    XSync(display_, False);
}

bool X11Probe::capsLockOn() {
    XkbStateRec state{};
    XkbGetState(display_, XkbUseCoreKbd, &state);
    return (state.locked_mods & LockMask) != 0;
}

void X11Probe::holdKey(const std::string& keysym, bool down) {
    const KeyCode key = XKeysymToKeycode(display_, XStringToKeysym(keysym.c_str()));
    XTestFakeKeyEvent(display_, key, down ? True : False, CurrentTime);
    XSync(display_, False);
}

bool X11Probe::keyDown(const std::string& keysym) {
    const KeyCode key = XKeysymToKeycode(display_, XStringToKeysym(keysym.c_str()));
    char keys[32] = {};
    XQueryKeymap(display_, keys);
    return (keys[key / 8] & (1 << (key % 8))) != 0;
}

int X11Probe::popupsShown() {
    const XErrorHandler previous = XSetErrorHandler(ignoreErrors);
    Window root = None;
    Window parent = None;
    Window* children = nullptr;
    unsigned count = 0;
    int shown = 0;
    if (XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count) != 0) {
        for (unsigned i = 0; i < count; ++i) {
            XWindowAttributes attributes{};
            if (XGetWindowAttributes(display_, children[i], &attributes) != 0 &&
                attributes.override_redirect && attributes.map_state == IsViewable) {
                ++shown;
            }
        }
        XFree(children);
    }
    XSync(display_, False);
    XSetErrorHandler(previous);
    return shown;
}

bool X11Probe::waitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

std::string X11Probe::waitForText(const std::function<std::string()>& read,
                                  const std::string& expected, std::chrono::milliseconds timeout) {
    std::string last;
    waitUntil(
        [&] {
            last = read();
            return last == expected;
        },
        timeout);
    return last;
}
