#pragma once

#include "sending/SendingPlatform.h"

#include <memory>

// The sending platform of X11 desktops: windows by ICCCM and EWMH, keystrokes through
// XTest into whatever has the focus, characters through the XKB keymap. It opens its own
// connection to `displayName`, or to $DISPLAY when none is given, and answers nothing
// when that fails or the server lacks XTest or XKB.
std::unique_ptr<SendingPlatform> createX11Platform(const char* displayName = nullptr);
