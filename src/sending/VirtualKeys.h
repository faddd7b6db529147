#pragma once

#include <cstdint>

// The Windows virtual-key codes the key-sequence language and the synthesis use. Not named
// VK_... so that they never meet the macros of <windows.h>.
inline constexpr std::uint8_t kVkShift = 16;
inline constexpr std::uint8_t kVkCtrl = 17;
inline constexpr std::uint8_t kVkAlt = 18;
inline constexpr std::uint8_t kVkCapsLock = 20;
