#pragma once

#include <cstdint>
#include <optional>

// How a Windows virtual-key code of the key-sequence language is pressed on X: the keysym
// that finds its key in the keymap, and whether the key is to type its Num Lock level, as
// VK_NUMPAD0 to VK_NUMPAD9 and VK_DECIMAL always do on Windows.
struct VirtualKeySym {
    unsigned long keysym;
    bool numLockLevel = false;
};

// Nothing for a code that the language never sends.
std::optional<VirtualKeySym> keysymForVirtualKey(std::uint8_t virtualKey);
