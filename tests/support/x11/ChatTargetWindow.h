#pragma once

#include "support/x11/ChildProcess.h"
#include "support/x11/TemporaryDirectory.h"
#include "support/x11/XvfbDisplay.h"

#include "support/x11/X11Probe.h"

#include <chrono>
#include <string>

// The program tools/chat-target on the test's display: a top-level window with the given
// caption (UTF-8) and one text box that has the focus inside it. What the box holds is
// read back through a file the program rewrites on every change.
class ChatTargetWindow {
public:
    enum class Start { Shown, Hidden, Minimized };

    ChatTargetWindow(const XvfbDisplay& display, const std::string& caption,
                     Start start = Start::Shown);

    // Its top-level X window (the client window, inside a frame under a window manager).
    XWindowId window() const { return window_; }
    // Stops and continues the program, as a client that hangs for a while.
    void freeze();
    void thaw();
    // What the text box holds, in UTF-8.
    std::string text() const;
    // Waits until the box holds `expected`; what it holds at the end.
    std::string waitForText(const std::string& expected,
                            std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;

private:
    TemporaryDirectory directory_;
    ChildProcess process_;
    XWindowId window_ = 0;
};
