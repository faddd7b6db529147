#include "sending/wayland/VirtualKeyPositions.h"

#include <array>

namespace {

struct Entry {
    std::uint8_t virtualKey;
    KeyPosition position;
};

// The keypad digits carry digits on their first level, so they type them whatever Num
// Lock says, as the Windows codes NUM0..NUM9 do.
constexpr std::array<Entry, 45> kEntries{{
    {0x10, {42, XKB_KEY_Shift_L}},     {0x11, {29, XKB_KEY_Control_L}},
    {0x12, {56, XKB_KEY_Alt_L}},       {0x14, {58, XKB_KEY_Caps_Lock}},
    {0x23, {107, XKB_KEY_End}},        {0x24, {102, XKB_KEY_Home}},
    {0x25, {105, XKB_KEY_Left}},       {0x26, {103, XKB_KEY_Up}},
    {0x27, {106, XKB_KEY_Right}},      {0x28, {108, XKB_KEY_Down}},
    {0x2D, {110, XKB_KEY_Insert}},     {0x2E, {111, XKB_KEY_Delete}},
    {0x60, {82, XKB_KEY_KP_0}},        {0x61, {79, XKB_KEY_KP_1}},
    {0x62, {80, XKB_KEY_KP_2}},        {0x63, {81, XKB_KEY_KP_3}},
    {0x64, {75, XKB_KEY_KP_4}},        {0x65, {76, XKB_KEY_KP_5}},
    {0x66, {77, XKB_KEY_KP_6}},        {0x67, {71, XKB_KEY_KP_7}},
    {0x68, {72, XKB_KEY_KP_8}},        {0x69, {73, XKB_KEY_KP_9}},
    {0x6A, {55, XKB_KEY_KP_Multiply}}, {0x6B, {78, XKB_KEY_KP_Add}},
    {0x6D, {74, XKB_KEY_KP_Subtract}}, {0x6E, {83, XKB_KEY_KP_Decimal}},
    {0x6F, {98, XKB_KEY_KP_Divide}},   {0x70, {59, XKB_KEY_F1}},
    {0x71, {60, XKB_KEY_F2}},          {0x72, {61, XKB_KEY_F3}},
    {0x73, {62, XKB_KEY_F4}},          {0x74, {63, XKB_KEY_F5}},
    {0x75, {64, XKB_KEY_F6}},          {0x76, {65, XKB_KEY_F7}},
    {0x77, {66, XKB_KEY_F8}},          {0x78, {67, XKB_KEY_F9}},
    {0x79, {68, XKB_KEY_F10}},         {0x7A, {87, XKB_KEY_F11}},
    {0x7B, {88, XKB_KEY_F12}},         {0x90, {69, XKB_KEY_Num_Lock}},
    {0x08, {14, XKB_KEY_BackSpace}},   {0x09, {15, XKB_KEY_Tab}},
    {0x0D, {28, XKB_KEY_Return}},      {0x1B, {1, XKB_KEY_Escape}},
    {0x20, {57, XKB_KEY_space}},
}};

} // namespace

std::optional<KeyPosition> virtualKeyPosition(std::uint8_t virtualKey) {
    for (const Entry& e : kEntries) {
        if (e.virtualKey == virtualKey) {
            return e.position;
        }
    }
    return std::nullopt;
}

const std::vector<KeyPosition>& namedKeyPositions() {
    static const std::vector<KeyPosition> positions = [] {
        std::vector<KeyPosition> list;
        for (const Entry& e : kEntries) {
            list.push_back(e.position);
        }
        return list;
    }();
    return positions;
}
