#pragma once

#include <cstdint>

// A top-level window of the platform: an HWND on Windows, an XID on X11, a number of the
// recording backend. A distinct type so that it cannot be mixed up with key codes.
enum class WindowHandle : std::uintptr_t {};

inline constexpr WindowHandle kNullWindow{};
