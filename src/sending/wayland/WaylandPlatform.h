#pragma once

#include "sending/SendingPlatform.h"
#include "sending/wayland/WaylandDesktop.h"

#include <memory>
#include <string>

// The sending platform of a Wayland session whose compositor lets us list and activate
// windows and type (wlroots or KWin). One connection, and one virtual keyboard or fake
// input, for the platform's lifetime: XWayland loses the last key when they go right after
// it, and a new keyboard's first keys are lost. `socket` as WAYLAND_DISPLAY takes it, empty
// for WAYLAND_DISPLAY itself. Nothing for any other desktop, or when the compositor turns
// us away.
std::unique_ptr<SendingPlatform> createWaylandPlatform(WaylandDesktop desktop,
                                                       const std::string& socket = {});
