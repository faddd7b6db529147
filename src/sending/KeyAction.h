#pragma once

#include <cstdint>
#include <string>

enum class KeyActionKind {
    Activate, // make the target window the foreground window
    KeyDown,  // one virtual key goes down
    KeyUp,    // it goes up
    KeyPress, // down, then up at once
    TypeText, // type a run of characters through the keyboard layout
};

// One step of a parsed key sequence.
struct KeyAction {
    KeyActionKind kind = KeyActionKind::Activate;
    std::uint8_t virtualKey = 0; // KeyDown, KeyUp and KeyPress
    std::string text;            // TypeText; may be empty

    friend bool operator==(const KeyAction&, const KeyAction&) = default;
};
