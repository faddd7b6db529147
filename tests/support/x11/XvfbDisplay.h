#pragma once

#include "support/x11/ChildProcess.h"

#include <string>

// A private X server (Xvfb) for one test. It picks a free display number itself
// (-displayfd), so tests can run side by side, and it does not reset when its last client
// leaves (-noreset): a reset would bring back the default keymap behind setxkbmap's back.
class XvfbDisplay {
public:
    XvfbDisplay();

    // ":<number>", for DISPLAY and XOpenDisplay.
    const std::string& name() const { return name_; }
    // "DISPLAY=<name>" and what Qt needs there, for the environment of a child.
    std::vector<std::string> environment() const;
    // Loads an XKB layout ("us", "de") with setxkbmap; throws when that fails.
    void setKeyboardLayout(const std::string& layout) const;
    // The server's whole XKB keymap as xkbcomp writes it out; throws when that fails.
    std::string keymap() const;

private:
    ChildProcess server_;
    std::string name_;
};
