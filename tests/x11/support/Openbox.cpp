#include "Openbox.h"

#include "X11Probe.h"

#include <stdexcept>

Openbox::Openbox(const XvfbDisplay& display)
    : process_({"openbox", "--sm-disable"}, display.environment()) {
    X11Probe probe(display.name());
    if (!X11Probe::waitUntil([&] { return probe.windowManagerRunning(); },
                             std::chrono::seconds(20))) {
        throw std::runtime_error("openbox did not start (is the openbox package installed?)");
    }
}
