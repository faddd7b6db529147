#pragma once

#include <string>

struct _XDisplay; // Xlib's Display; its header's macros (None, Bool) break other headers

// A user at the test server's mouse and keyboard: real pointer and key events through XTest,
// on a connection of its own, as the server delivers them to whatever window is under the
// pointer or has the focus. Each call returns once the server has the events; the program
// under test still has to run its event loop to see them.
class X11User {
public:
    explicit X11User(const std::string& displayName);
    ~X11User();
    X11User(const X11User&) = delete;
    X11User& operator=(const X11User&) = delete;

    // Moves the pointer to a point of the screen and clicks the left button there.
    void click(int x, int y);
    // Presses and releases the key that types a keysym ("F2", "Delete", "a", "dead_acute")
    // in the current layout, with Shift held when shift is set. Throws when no key has it.
    void key(const std::string& keysym, bool shift = false);

private:
    _XDisplay* display_;
};
