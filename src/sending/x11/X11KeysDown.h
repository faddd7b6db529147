#pragma once

#include <X11/Xlib.h>

#include <bitset>

// The keycodes that are down now, as the server has them (XQueryKeymap).
std::bitset<256> keysDown(Display* display);
