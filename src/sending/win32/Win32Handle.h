#pragma once

#include "sending/WindowHandle.h"

#include <windows.h>

#include <cstdint>

inline HWND toHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window));
}

inline WindowHandle toWindowHandle(HWND hwnd) {
    return static_cast<WindowHandle>(reinterpret_cast<std::uintptr_t>(hwnd));
}
