#pragma once

#include <cstdint>

// The code a Wayland platform answers layoutKey() with: the cp1252 character itself, which
// the backend types on whatever key it has for it. 0xFF means "no key" in that answer, so
// ÿ travels as 0x81, a byte no key ever types (a C1 control).
inline constexpr std::uint8_t typedCharacterCode(unsigned char character) {
    return character == 0xFF ? 0x81 : character;
}

inline constexpr unsigned char characterOfTypedCode(std::uint8_t code) {
    return code == 0x81 ? 0xFF : code;
}
