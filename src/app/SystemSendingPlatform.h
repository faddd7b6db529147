#pragma once

#include "sending/SendingPlatform.h"

#include <memory>

// The sending services of the desktop the program runs on: Win32 on Windows, X11
// elsewhere. Nothing when they are not available (no X display).
std::unique_ptr<SendingPlatform> createSystemSendingPlatform();
