#pragma once

#include "sending/SendingPlatform.h"

#include <memory>

// The sending services through the Win32 calls: FindWindowA, EnumWindows, GetWindowTextA,
// SendMessageA, SetForegroundWindow, keybd_event, VkKeyScanW (with the character's Unicode
// value, as the texts are cp1252 whatever the system's code page), GetKeyState; SendInput
// with KEYEVENTF_UNICODE for characters that the layout has no key for, GetAsyncKeyState
// for the modifiers the user still holds.
std::unique_ptr<SendingPlatform> createWin32Platform();
