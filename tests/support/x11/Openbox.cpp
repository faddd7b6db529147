#include "support/x11/Openbox.h"

#include "support/x11/X11Probe.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <stdexcept>

Openbox::Openbox(const XvfbDisplay& display)
    : process_({"openbox", "--sm-disable"}, display.environment()) {
    X11Probe probe(display.name());
    const bool announced =
        X11Probe::waitUntil([&] { return probe.windowManagerRunning(); }, std::chrono::seconds(20));
    // It announces itself before it manages windows, and a window mapped in between stays
    // unmapped for good. So map windows of our own until it manages one.
    bool managing = false;
    Display* x = announced ? XOpenDisplay(display.name().c_str()) : nullptr;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (x != nullptr && !managing && std::chrono::steady_clock::now() < deadline) {
        const Window window = XCreateSimpleWindow(x, DefaultRootWindow(x), 0, 0, 10, 10, 0, 0, 0);
        XMapWindow(x, window);
        XSync(x, False);
        managing = X11Probe::waitUntil([&] { return probe.wmState(window) == NormalState; },
                                       std::chrono::milliseconds(500));
        XDestroyWindow(x, window);
        XSync(x, False);
    }
    if (x != nullptr) {
        XCloseDisplay(x);
    }
    if (!managing) {
        throw std::runtime_error("openbox did not start (is the openbox package installed?)");
    }
}
