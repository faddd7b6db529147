#pragma once

#include "sending/KeyAction.h"

#include <ostream>
#include <string>

// Short spellings of parse results for the expectations of the tests.
inline KeyAction act() {
    return {KeyActionKind::Activate, 0, {}};
}
inline KeyAction down(std::uint8_t vk) {
    return {KeyActionKind::KeyDown, vk, {}};
}
inline KeyAction up(std::uint8_t vk) {
    return {KeyActionKind::KeyUp, vk, {}};
}
inline KeyAction press(std::uint8_t vk) {
    return {KeyActionKind::KeyPress, vk, {}};
}
inline KeyAction text(std::string text) {
    return {KeyActionKind::TypeText, 0, std::move(text)};
}

inline void PrintTo(const KeyAction& action, std::ostream* out) {
    static const char* const kinds[] = {"Activate", "KeyDown", "KeyUp", "KeyPress", "TypeText"};
    *out << kinds[static_cast<int>(action.kind)];
    if (action.kind == KeyActionKind::TypeText) {
        *out << " \"" << action.text << '"';
    } else if (action.kind != KeyActionKind::Activate) {
        *out << ' ' << static_cast<int>(action.virtualKey);
    }
}
