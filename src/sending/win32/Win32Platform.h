#pragma once

#include "sending/SendingPlatform.h"

#include <memory>

// The sending services through the Win32 calls: FindWindowA, EnumWindows, GetWindowTextA,
// SendMessageA, SetForegroundWindow, keybd_event, VkKeyScanA and GetKeyState.
std::unique_ptr<SendingPlatform> createWin32Platform();
