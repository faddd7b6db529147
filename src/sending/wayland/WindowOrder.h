#pragma once

#include "sending/wayland/WaylandBackend.h"

#include <vector>

// The windows as near to stacking order (top first) as the window lists tell: the one
// active most recently first, then those never seen active, newest first.
std::vector<WaylandWindow> topFirst(std::vector<WaylandWindow> windows);
