#pragma once

#include "support/x11/ChildProcess.h"
#include "support/x11/TemporaryDirectory.h"
#include "support/x11/XvfbDisplay.h"

#include "support/x11/X11Probe.h"

#include <chrono>
#include <string>

// Debian's Chromium on the test's display, with a fresh profile, showing a local page whose
// text area has the focus. The page puts what the text area holds into its title
// ("<caption> [<length>:<percent-encoded text>]"); it runs as an application window, whose
// caption is the page title, where the text is read back.
class ChromiumChat {
public:
    ChromiumChat(const XvfbDisplay& display, const std::string& caption);

    // The browser's top-level window.
    XWindowId window() const { return window_; }
    // What the text area holds, in UTF-8, as the window's caption tells.
    std::string text() const;
    std::string waitForText(const std::string& expected,
                            std::chrono::milliseconds timeout = std::chrono::seconds(20)) const;

private:
    const XvfbDisplay& display_;
    std::string caption_;
    TemporaryDirectory profile_;
    ChildProcess process_;
    XWindowId window_ = 0;
};

// Undoes encodeURIComponent: %XX escapes to bytes (UTF-8), everything else as it stands.
std::string percentDecode(const std::string& encoded);
