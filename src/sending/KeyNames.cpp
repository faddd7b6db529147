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

constexpr KeyActionKind Down = KeyActionKind::KeyDown;
constexpr KeyActionKind Up = KeyActionKind::KeyUp;
constexpr KeyActionKind Press = KeyActionKind::KeyPress;

constexpr std::array<KeyName, 44> keyNames{{
    {"ALTDOWN", Down, VkAlt}, {"ALTUP", Up, VkAlt},         {"CTRLDOWN", Down, VkCtrl},
    {"CTRLUP", Up, VkCtrl},   {"SHIFTDOWN", Down, VkShift}, {"SHIFTUP", Up, VkShift},
    {"NUM0", Press, 96},      {"NUM1", Press, 97},          {"NUM2", Press, 98},
    {"NUM3", Press, 99},      {"NUM4", Press, 100},         {"NUM5", Press, 101},
    {"NUM6", Press, 102},     {"NUM7", Press, 103},         {"NUM8", Press, 104},
    {"NUM9", Press, 105},     {"NUM*", Press, 106},         {"NUM+", Press, 107},
    {"NUM-", Press, 109},     {"NUM.", Press, 110},         {"NUM/", Press, 111},
    {"F1", Press, 112},       {"F2", Press, 113},           {"F3", Press, 114},
    {"F4", Press, 115},       {"F5", Press, 116},           {"F6", Press, 117},
    {"F7", Press, 118},       {"F8", Press, 119},           {"F9", Press, 120},
    {"F10", Press, 121},      {"F11", Press, 122},          {"F12", Press, 123},
    {"END", Press, 35},       {"HOME", Press, 36},          {"LEFT", Press, 37},
    {"UP", Press, 38},        {"RIGHT", Press, 39},         {"DOWN", Press, 40},
    {"INSERT", Press, 45},    {"INS", Press, 45},           {"DELETE", Press, 46},
    {"DEL", Press, 46},       {"NUMLOCK", Press, 144},
}};

} // namespace

std::optional<KeyAction> KeyNameAction(std::string_view upperName) {
    for (const KeyName& entry : keyNames) {
        if (entry.name == upperName) {
            return KeyAction{entry.kind, entry.virtualKey, {}};
        }
    }
    return std::nullopt;
}
