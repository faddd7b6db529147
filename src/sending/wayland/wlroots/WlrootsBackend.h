#pragma once

#include "sending/wayland/WaylandBackend.h"
#include "sending/wayland/wlroots/ForeignToplevels.h"
#include "sending/wayland/wlroots/VirtualKeyboard.h"

#include <chrono>

class WaylandConnection;
class WaylandSeat;

// Sending on wlroots compositors (sway, Hyprland, river, Wayfire, labwc): the foreign
// toplevel list finds and activates windows, a virtual keyboard with our own keymap types,
// so every cp1252 character arrives whatever the user's layout.
class WlrootsBackend : public WaylandBackend {
public:
    // Before a keymap changes, the targets must have handled every key of the old one:
    // XWayland clients translate queued keys with whatever keymap they have by then.
    static constexpr std::chrono::milliseconds kKeymapChangePause{1000};
    // After our keyboard first appears on a seat that had none, clients still have to make
    // their wl_keyboard and get its keymap; a key before that is lost.
    static constexpr std::chrono::milliseconds kNewKeyboardSettle{100};
    static constexpr std::chrono::microseconds kCharacterPause{1000};

    WlrootsBackend(WaylandConnection& connection, WaylandSeat& seat);

    std::vector<WaylandWindow> windows() override;
    bool activate(std::uint32_t id) override;
    void restore(std::uint32_t id) override { toplevels_.restore(id); }
    void sync() override;
    void prepare(std::u32string_view text) override;
    bool canType(char32_t character) override;
    void typeCharacter(char32_t character) override;
    void modifier(HeldModifier modifier, bool down) override;
    void namedKey(std::uint32_t evdev, bool down) override;
    // Caps Lock cannot touch our own keymap: its lock state is ours, and never set.
    bool capsLockOn() override { return false; }
    std::chrono::microseconds characterPause() const override { return kCharacterPause; }

    // Keymap changes so far.
    int keymapChanges() const { return keymapChanges_; }

private:
    void useKeymap(const OwnKeymap& keymap);
    void waitForOwnKeyboard();

    WaylandConnection& connection_;
    WaylandSeat& seat_;
    bool seatHadKeyboard_ = false;
    ForeignToplevels toplevels_;
    VirtualKeyboard keyboard_;
    bool keyboardSettled_ = false;
    std::uint32_t held_ = 0; // the modifiers a key sequence holds
    int keymapChanges_ = 0;
};
