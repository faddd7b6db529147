#pragma once

#include "sending/x11/X11Platform.h"
#include "support/x11/X11TestSession.h"

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

// One X server with a keyboard layout, a window manager when asked for, the backend under
// test and the test's own view. Targets are made by each test after it.
struct X11Desk {
    explicit X11Desk(const std::string& layout, bool windowManager = false) {
        display.setKeyboardLayout(layout);
        if (windowManager) {
            wm.emplace(display);
        }
        platform = createX11Platform(display.name().c_str());
        if (!platform) {
            throw std::runtime_error("no X11 platform on " + display.name());
        }
    }

    XvfbDisplay display;
    std::optional<Openbox> wm;
    X11Probe probe{display.name()};
    std::unique_ptr<SendingPlatform> platform;
};
