#pragma once

#include "support/x11/ChildProcess.h"
#include "support/x11/XvfbDisplay.h"

// A small EWMH window manager (openbox) on the test's display, running once the
// constructor returns; it frames, focuses, iconifies and activates windows.
class Openbox {
public:
    explicit Openbox(const XvfbDisplay& display);

private:
    ChildProcess process_;
};
