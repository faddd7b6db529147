#include "sending/SendKeySequence.h"

#include "charset/Cp1252Table.h"
#include "sending/KeyAction.h"
#include "sending/ParseKeySequence.h"
#include "sending/TypingSession.h"
#include "sending/VirtualKeys.h"

#include <algorithm>
#include <vector>

namespace {

constexpr unsigned kShiftBit = 1;
constexpr unsigned kCtrlBit = 2;
constexpr unsigned kAltBit = 4;
constexpr unsigned kNoKey = 0xFF;

// Performs the actions of one call and remembers which keys it holds down, so that they
// can be let go should typing have to stop half-way.
class KeySender {
public:
    KeySender(SendingPlatform& platform, WindowHandle window)
        : platform_(platform), window_(window) {}

    bool activate() { return platform_.bringToForeground(window_); }

    bool perform(const KeyAction& action) {
        switch (action.kind) {
        case KeyActionKind::Activate:
            return activate();
        case KeyActionKind::KeyDown:
            down(action.virtualKey, KeySource::VirtualKey);
            return true;
        case KeyActionKind::KeyUp:
            up(action.virtualKey, KeySource::VirtualKey);
            return true;
        case KeyActionKind::KeyPress:
            press(action.virtualKey, KeySource::VirtualKey);
            return true;
        case KeyActionKind::TypeText:
            return typeText(action.text);
        }
        return true;
    }

    bool typeText(std::string_view text) {
        if (!activate()) {
            return false;
        }
        // Caps Lock is off while typing so that Shift alone decides the case.
        const bool capsLock = platform_.capsLockOn();
        if (capsLock) {
            press(kVkCapsLock, KeySource::VirtualKey);
        }
        bool reached = true;
        for (const char c : text) {
            platform_.keystrokePause(kKeystrokePause);
            if (!activate()) {
                reached = false;
                break;
            }
            typeCharacter(static_cast<unsigned char>(c));
        }
        if (capsLock) {
            press(kVkCapsLock, KeySource::VirtualKey);
        }
        return reached;
    }

    // Lets go of what this call holds, latest first.
    void releaseHeldKeys() {
        while (!held_.empty()) {
            up(held_.back(), KeySource::VirtualKey);
        }
    }

private:
    void typeCharacter(unsigned char c) {
        const unsigned key = platform_.layoutKey(c);
        const unsigned code = key & 0xFF;
        const unsigned modifiers = key >> 8;
        if (code == kNoKey || modifiers == kNoKey) {
            // Typed as itself; control characters without a key are left out.
            if (isPrintableCp1252(c)) {
                press(c, KeySource::Character);
            }
            return;
        }
        const bool shift = (modifiers & kShiftBit) != 0;
        // AltGr characters need Ctrl and Alt held; Ctrl alone (a line feed) is not held.
        // Alt first, as the German layout's escapes always held them.
        const bool altGr = (modifiers & (kCtrlBit | kAltBit)) == (kCtrlBit | kAltBit);
        if (altGr) {
            down(kVkAlt, KeySource::VirtualKey);
            down(kVkCtrl, KeySource::VirtualKey);
        }
        if (shift) {
            down(kVkShift, KeySource::VirtualKey);
        }
        press(static_cast<std::uint8_t>(code), KeySource::TypedCharacter);
        if (shift) {
            up(kVkShift, KeySource::VirtualKey);
        }
        if (altGr) {
            up(kVkAlt, KeySource::VirtualKey);
            up(kVkCtrl, KeySource::VirtualKey);
        }
    }

    void down(std::uint8_t code, KeySource source) {
        platform_.injectKeyEvent(code, KeyDirection::Down, source);
        if (source == KeySource::VirtualKey &&
            std::find(held_.begin(), held_.end(), code) == held_.end()) {
            held_.push_back(code);
        }
    }

    void up(std::uint8_t code, KeySource source) {
        platform_.injectKeyEvent(code, KeyDirection::Up, source);
        if (source == KeySource::VirtualKey) {
            held_.erase(std::remove(held_.begin(), held_.end(), code), held_.end());
        }
    }

    void press(std::uint8_t code, KeySource source) {
        platform_.injectKeyEvent(code, KeyDirection::Down, source);
        platform_.injectKeyEvent(code, KeyDirection::Up, source);
    }

    SendingPlatform& platform_;
    WindowHandle window_;
    std::vector<std::uint8_t> held_;
};

} // namespace

SendOutcome SendKeySequence(SendingPlatform& platform, std::string_view sequence,
                            WindowHandle window) {
    return SendKeyActions(platform, ParseKeySequence(sequence), window);
}

SendOutcome SendKeyActions(SendingPlatform& platform, const std::vector<KeyAction>& actions,
                           WindowHandle window) {
    KeySender sender(platform, window);
    if (!sender.activate()) {
        return SendOutcome::FocusLost;
    }
    const TypingSession session(platform, window, actions);
    for (const KeyAction& action : actions) {
        if (!sender.perform(action)) {
            // Keystrokes meant for the target would reach another window: stop, and leave
            // no key of ours down there.
            sender.releaseHeldKeys();
            return SendOutcome::FocusLost;
        }
    }
    return SendOutcome::Completed;
}

SendOutcome TypeText(SendingPlatform& platform, std::string_view text, WindowHandle window) {
    const std::vector<KeyAction> run = {{KeyActionKind::TypeText, 0, std::string(text)}};
    const TypingSession session(platform, window, run);
    KeySender sender(platform, window);
    return sender.typeText(text) ? SendOutcome::Completed : SendOutcome::FocusLost;
}
