#include "sending/wayland/kwin/KWinBackend.h"

#include "sending/wayland/CharacterKeysym.h"
#include "sending/wayland/WaylandConnection.h"
#include "sending/wayland/WaylandSeat.h"

#include <thread>

namespace {

constexpr std::uint32_t kLeftShift = 42, kLeftCtrl = 29, kLeftAlt = 56;

} // namespace

KWinBackend::KWinBackend(WaylandConnection& connection, WaylandSeat& seat)
    : connection_(connection), seat_(seat), windows_(connection), input_(connection),
      keyState_(connection) {
    // The keymap KWin gives its clients is the user's layout.
    seat_.listenToKeyboard();
    connection_.roundtrip();
}

std::vector<WaylandWindow> KWinBackend::windows() {
    sync();
    return windows_.windows();
}

bool KWinBackend::activate(std::uint32_t id) {
    if (windows_.isActive(id)) {
        return true;
    }
    if (!windows_.activate(id, kActivationTimeout)) {
        return false;
    }
    connection_.dispatchFor(kActivationSettle);
    return windows_.isActive(id);
}

void KWinBackend::sync() {
    connection_.flush();
    connection_.dispatchFor(std::chrono::milliseconds(0));
}

void KWinBackend::readLayout() {
    // The user may have switched layouts since the last send.
    sync();
    if (!layout_ || layoutSerial_ != seat_.keymapSerial() || layoutGroup_ != seat_.group()) {
        layout_ = std::make_unique<LayoutLookup>(seat_.keymap());
        layoutSerial_ = seat_.keymapSerial();
        layoutGroup_ = seat_.group();
        strokes_.clear();
    }
}

void KWinBackend::prepare(std::u32string_view text) {
    readLayout();
    for (const char32_t c : text) {
        strokesFor(c);
    }
    lastComposed_ = false;
}

const KWinBackend::Strokes& KWinBackend::strokesFor(char32_t character) {
    if (!layout_) {
        readLayout();
    }
    const auto it = strokes_.find(character);
    if (it != strokes_.end()) {
        return it->second;
    }
    return strokes_[character] = layout_->strokesFor(characterKeysym(character), layoutGroup_);
}

bool KWinBackend::canType(char32_t character) {
    return characterKeysym(character) != XKB_KEY_NoSymbol && strokesFor(character).has_value();
}

void KWinBackend::press(const KeyStroke& stroke) {
    for (const std::uint32_t m : stroke.modifierKeys) {
        input_.key(m, true);
    }
    input_.key(stroke.key, true);
    input_.key(stroke.key, false);
    for (auto m = stroke.modifierKeys.rbegin(); m != stroke.modifierKeys.rend(); ++m) {
        input_.key(*m, false);
    }
}

void KWinBackend::typeCharacter(char32_t character) {
    if (!canType(character)) {
        return;
    }
    const std::vector<KeyStroke>& strokes = *strokesFor(character);
    const bool composed = strokes.size() > 1;
    if (composed && !lastComposed_) {
        std::this_thread::sleep_for(kBeforeCompositionPause);
    }
    lastComposed_ = composed;
    for (const KeyStroke& s : strokes) {
        press(s);
    }
    connection_.flush();
}

void KWinBackend::modifier(HeldModifier modifier, bool down) {
    lastComposed_ = false;
    input_.key(modifier == HeldModifier::Shift  ? kLeftShift
               : modifier == HeldModifier::Ctrl ? kLeftCtrl
                                                : kLeftAlt,
               down);
    connection_.flush();
}

void KWinBackend::namedKey(std::uint32_t evdev, bool down) {
    lastComposed_ = false;
    input_.key(evdev, down);
    connection_.flush();
}
