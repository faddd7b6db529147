#include "sending/wayland/wlroots/WlrootsBackend.h"

#include "sending/wayland/CharacterKeysym.h"
#include "sending/wayland/WaylandConnection.h"
#include "sending/wayland/WaylandSeat.h"

#include <thread>

namespace {

constexpr std::chrono::seconds kKeyboardAnnouncementTimeout{2};

} // namespace

WlrootsBackend::WlrootsBackend(WaylandConnection& connection, WaylandSeat& seat)
    : connection_(connection), seat_(seat), seatHadKeyboard_(seat.hasKeyboard()),
      toplevels_(connection), keyboard_(connection, seat) {}

std::vector<WaylandWindow> WlrootsBackend::windows() {
    sync();
    return toplevels_.windows();
}

bool WlrootsBackend::activate(std::uint32_t id) {
    if (toplevels_.isActive(id)) {
        return true;
    }
    if (!toplevels_.activate(id, seat_.raw(), kActivationTimeout)) {
        return false;
    }
    connection_.dispatchFor(kActivationSettle);
    return toplevels_.isActive(id);
}

void WlrootsBackend::sync() {
    connection_.flush();
    connection_.dispatchFor(std::chrono::milliseconds(0));
}

void WlrootsBackend::waitForOwnKeyboard() {
    if (keyboardSettled_) {
        return;
    }
    keyboardSettled_ = true;
    if (seatHadKeyboard_) {
        return;
    }
    // Clients make their keyboard only when the seat announces one.
    connection_.dispatchUntil([&] { return seat_.hasKeyboard(); }, kKeyboardAnnouncementTimeout);
    connection_.dispatchFor(kNewKeyboardSettle);
}

void WlrootsBackend::useKeymap(const OwnKeymap& keymap) {
    if (keymap == keyboard_.keymap()) {
        return;
    }
    if (keyboard_.lastKey() != std::chrono::steady_clock::time_point{}) {
        std::this_thread::sleep_until(keyboard_.lastKey() + kKeymapChangePause);
    }
    keyboard_.setKeymap(keymap);
    ++keymapChanges_;
}

void WlrootsBackend::prepare(std::u32string_view text) {
    useKeymap(keymapForText(text, keyboard_.keymap()));
    waitForOwnKeyboard();
}

bool WlrootsBackend::canType(char32_t character) {
    return ownKeymapKeysym(character) != XKB_KEY_NoSymbol;
}

void WlrootsBackend::typeCharacter(char32_t character) {
    const xkb_keysym_t keysym = ownKeymapKeysym(character);
    if (keysym == XKB_KEY_NoSymbol) {
        return;
    }
    if (!keyboard_.keymap().covers(keysym)) {
        // A character prepare() was not told of: taken in, with the pause a change needs.
        const char32_t text[] = {character};
        useKeymap(keymapForText(std::u32string_view(text, 1), keyboard_.keymap()));
    }
    waitForOwnKeyboard();
    std::uint32_t evdev = 0;
    unsigned level = 0;
    if (const auto fixed = OwnKeymap::fixedKeyOf(keysym)) {
        evdev = *fixed;
    } else {
        const KeySlot slot = *keyboard_.keymap().slotOf(keysym);
        evdev = slot.evdev;
        level = slot.level;
    }
    // The level's modifiers stand in for a held Shift for this one key, so the character
    // comes out as written; Ctrl and Alt stay as the sequence holds them.
    keyboard_.setModifiers((held_ & ~VirtualKeyboard::kShift) |
                           VirtualKeyboard::levelModifiers(level));
    keyboard_.key(evdev, true);
    keyboard_.key(evdev, false);
    keyboard_.setModifiers(held_);
    connection_.flush();
}

void WlrootsBackend::modifier(HeldModifier modifier, bool down) {
    const std::uint32_t mask = modifier == HeldModifier::Shift  ? VirtualKeyboard::kShift
                               : modifier == HeldModifier::Ctrl ? VirtualKeyboard::kCtrl
                                                                : VirtualKeyboard::kAlt;
    const std::uint32_t evdev = modifier == HeldModifier::Shift  ? 42
                                : modifier == HeldModifier::Ctrl ? 29
                                                                 : 56;
    waitForOwnKeyboard();
    held_ = down ? (held_ | mask) : (held_ & ~mask);
    // The key itself too, for targets that watch modifier keys (Alt alone opens menus).
    keyboard_.key(evdev, down);
    keyboard_.setModifiers(held_);
    connection_.flush();
}

void WlrootsBackend::namedKey(std::uint32_t evdev, bool down) {
    waitForOwnKeyboard();
    keyboard_.key(evdev, down);
    connection_.flush();
}
