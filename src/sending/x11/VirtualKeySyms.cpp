#include "sending/x11/VirtualKeySyms.h"

#include <X11/keysym.h>

#include <array>

namespace {

// The keypad's digit keys by the keysym of their first level, which every layout keeps.
constexpr std::array<unsigned long, 10> kKeypadDigits = {
    XK_KP_Insert, XK_KP_End,   XK_KP_Down, XK_KP_Next, XK_KP_Left,
    XK_KP_Begin,  XK_KP_Right, XK_KP_Home, XK_KP_Up,   XK_KP_Prior,
};

} // namespace

std::optional<VirtualKeySym> keysymForVirtualKey(std::uint8_t virtualKey) {
    if (virtualKey >= 0x60 && virtualKey <= 0x69) {
        return VirtualKeySym{kKeypadDigits[virtualKey - 0x60], true};
    }
    if (virtualKey >= 0x70 && virtualKey <= 0x7B) {
        return VirtualKeySym{static_cast<unsigned long>(XK_F1 + (virtualKey - 0x70))};
    }
    switch (virtualKey) {
    case 0x10:
        return VirtualKeySym{XK_Shift_L};
    case 0x11:
        return VirtualKeySym{XK_Control_L};
    case 0x12:
        return VirtualKeySym{XK_Alt_L};
    case 0x14:
        return VirtualKeySym{XK_Caps_Lock};
    case 0x23:
        return VirtualKeySym{XK_End};
    case 0x24:
        return VirtualKeySym{XK_Home};
    case 0x25:
        return VirtualKeySym{XK_Left};
    case 0x26:
        return VirtualKeySym{XK_Up};
    case 0x27:
        return VirtualKeySym{XK_Right};
    case 0x28:
        return VirtualKeySym{XK_Down};
    case 0x2D:
        return VirtualKeySym{XK_Insert};
    case 0x2E:
        return VirtualKeySym{XK_Delete};
    case 0x6A:
        return VirtualKeySym{XK_KP_Multiply};
    case 0x6B:
        return VirtualKeySym{XK_KP_Add};
    case 0x6D:
        return VirtualKeySym{XK_KP_Subtract};
    case 0x6E:
        return VirtualKeySym{XK_KP_Delete, true};
    case 0x6F:
        return VirtualKeySym{XK_KP_Divide};
    case 0x90:
        return VirtualKeySym{XK_Num_Lock};
    default:
        return std::nullopt;
    }
}
