#pragma once

#include <xkbcommon/xkbcommon.h>

#include <cstdint>
#include <optional>
#include <vector>

// Where a virtual key of the key-sequence language sits on a PC keyboard: its evdev code,
// and the keysym of its first level for a keymap of our own.
struct KeyPosition {
    std::uint32_t evdev = 0;
    xkb_keysym_t keysym = XKB_KEY_NoSymbol;
};

// Nothing for a virtual key that the key-sequence language does not name.
std::optional<KeyPosition> virtualKeyPosition(std::uint8_t virtualKey);

// Every position virtualKeyPosition() can answer, each once.
const std::vector<KeyPosition>& namedKeyPositions();
