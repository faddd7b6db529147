#include "sending/KeyNames.h"

#include "sending/VirtualKeys.h"

#include <array>
#include <cstdint>

namespace {

struct KeyName {
    std::string_view name;
    KeyActionKind kind;
    std::uint8_t virtualKey;
};

constexpr KeyActionKind kDown = KeyActionKind::KeyDown;
constexpr KeyActionKind kUp = KeyActionKind::KeyUp;
constexpr KeyActionKind kPress = KeyActionKind::KeyPress;

constexpr std::array<KeyName, 44> kKeyNames{{
    {"ALTDOWN", kDown, kVkAlt},
    {"ALTUP", kUp, kVkAlt},
    {"CTRLDOWN", kDown, kVkCtrl},
    {"CTRLUP", kUp, kVkCtrl},
    {"SHIFTDOWN", kDown, kVkShift},
    {"SHIFTUP", kUp, kVkShift},
    {"NUM0", kPress, 96},
    {"NUM1", kPress, 97},
    {"NUM2", kPress, 98},
    {"NUM3", kPress, 99},
    {"NUM4", kPress, 100},
    {"NUM5", kPress, 101},
    {"NUM6", kPress, 102},
    {"NUM7", kPress, 103},
    {"NUM8", kPress, 104},
    {"NUM9", kPress, 105},
    {"NUM*", kPress, 106},
    {"NUM+", kPress, 107},
    {"NUM-", kPress, 109},
    {"NUM.", kPress, 110},
    {"NUM/", kPress, 111},
    {"F1", kPress, 112},
    {"F2", kPress, 113},
    {"F3", kPress, 114},
    {"F4", kPress, 115},
    {"F5", kPress, 116},
    {"F6", kPress, 117},
    {"F7", kPress, 118},
    {"F8", kPress, 119},
    {"F9", kPress, 120},
    {"F10", kPress, 121},
    {"F11", kPress, 122},
    {"F12", kPress, 123},
    {"END", kPress, 35},
    {"HOME", kPress, 36},
    {"LEFT", kPress, 37},
    {"UP", kPress, 38},
    {"RIGHT", kPress, 39},
    {"DOWN", kPress, 40},
    {"INSERT", kPress, 45},
    {"INS", kPress, 45},
    {"DELETE", kPress, 46},
    {"DEL", kPress, 46},
    {"NUMLOCK", kPress, 144},
}};

} // namespace

std::optional<KeyAction> keyNameAction(std::string_view upperName) {
    for (const KeyName& entry : kKeyNames) {
        if (entry.name == upperName) {
            return KeyAction{entry.kind, entry.virtualKey, {}};
        }
    }
    return std::nullopt;
}
