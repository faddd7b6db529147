#pragma once

#include "sending/wayland/wlroots/OwnKeymap.h"

#include <chrono>
#include <cstdint>

struct zwp_virtual_keyboard_manager_v1;
struct zwp_virtual_keyboard_v1;
class WaylandConnection;
class WaylandSeat;

// One virtual keyboard on the seat, with our own keymap. Its key events do not change the
// modifier state the compositor forwards, so every change goes out as a modifiers request.
class VirtualKeyboard {
public:
    // Throws std::runtime_error when the compositor offers no virtual keyboards.
    VirtualKeyboard(WaylandConnection& connection, WaylandSeat& seat);
    ~VirtualKeyboard();
    VirtualKeyboard(const VirtualKeyboard&) = delete;
    VirtualKeyboard& operator=(const VirtualKeyboard&) = delete;

    void setKeymap(const OwnKeymap& keymap);
    const OwnKeymap& keymap() const { return keymap_; }
    void key(std::uint32_t evdev, bool down);
    // Depressed modifiers, as masks of the keymap's real modifiers.
    void setModifiers(std::uint32_t depressed);

    static constexpr std::uint32_t kShift = 1u << 0, kCtrl = 1u << 2, kAlt = 1u << 3,
                                   kLevelFive = 1u << 5, // Mod3
        kLevelThree = 1u << 7;                           // Mod5
    static std::uint32_t levelModifiers(unsigned level);
    // XWayland drops keys still on their way when the keyboard goes: it stays this long
    // after its last key.
    static constexpr std::chrono::milliseconds kLinger{300};

    // When the last key event went out; the epoch when none has.
    std::chrono::steady_clock::time_point lastKey() const { return lastKey_; }

private:
    std::uint32_t now() const;

    WaylandConnection& connection_;
    zwp_virtual_keyboard_manager_v1* manager_ = nullptr;
    zwp_virtual_keyboard_v1* keyboard_ = nullptr;
    OwnKeymap keymap_;
    std::uint32_t depressed_ = 0;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point lastKey_{};
};
