#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>

struct _XDisplay; // Xlib's Display; its header's macros (None, Bool) break other headers

// An X window id.
using XWindowId = unsigned long;

// The test's own view of the X server, on a connection of its own: what the windows look
// like from outside, independent of the code under test.
class X11Probe {
public:
    explicit X11Probe(const std::string& displayName);
    ~X11Probe();
    X11Probe(const X11Probe&) = delete;
    X11Probe& operator=(const X11Probe&) = delete;

    // Raises the window to the top of its siblings.
    void raise(XWindowId window);
    // Gives the window the keyboard focus, as a click would; 0 leaves it to the pointer.
    void focusWindow(XWindowId window);

    // _NET_WM_NAME of the window in UTF-8; empty when none.
    std::string caption(XWindowId window);
    // The first window anywhere below the root whose caption starts with `prefix`.
    std::optional<XWindowId> findWindowByCaptionPrefix(const std::string& prefix);
    XWindowId focus();
    // The ICCCM state a window manager set (1 normal, 3 iconic), 0 when none.
    long wmState(XWindowId window);
    bool windowManagerRunning();
    // Presses or lets go of the key of the keysym ("Alt_L"), as the user's keyboard would
    // (through XTest: the one keyboard that a test has).
    void holdKey(const std::string& keysym, bool down);
    // Whether the key of the keysym is down now.
    bool keyDown(const std::string& keysym);
    // How many override-redirect windows are mapped: menus, of the window manager or of a
    // client, and the like.
    int popupsShown();
    // Toggles Caps Lock state as if the user had (XKB lock, no key event).
    void setCapsLock(bool on);
    bool capsLockOn();

    // Polls `done` every 10 ms until it holds or the timeout passes; whether it held.
    static bool waitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);
    // Polls `read` until it gives `expected` or the timeout passes; the last text it gave.
    static std::string waitForText(const std::function<std::string()>& read,
                                   const std::string& expected, std::chrono::milliseconds timeout);

private:
    _XDisplay* display_;
};
