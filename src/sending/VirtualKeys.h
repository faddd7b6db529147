#pragma once

#include <cstdint>

// The Windows virtual-key codes the key-sequence language and the synthesis use. Not named
// VK_... so that they never meet the macros of <windows.h>.
inline constexpr std::uint8_t VkShift = 16;
inline constexpr std::uint8_t VkCtrl = 17;
inline constexpr std::uint8_t VkAlt = 18;
inline constexpr std::uint8_t VkCapsLock = 20;
