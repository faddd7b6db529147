#include "sending/x11/X11KeyInjector.h"

#include "sending/VirtualKeys.h"
#include "sending/x11/KeysymCharacters.h"
#include "sending/x11/VirtualKeySyms.h"

#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <thread>

X11KeyInjector::X11KeyInjector(Display* display, X11Keymap& keymap)
    : display_(display), keymap_(keymap) {}

void X11KeyInjector::inject(std::uint8_t code, KeyDirection direction, KeySource source) {
    const bool down = direction == KeyDirection::Down;
    if (source == KeySource::TypedCharacter) {
        if (down) {
            typedKeyDown(code);
        } else {
            typedKeyUp(code);
        }
    } else {
        virtualKey(code, down);
    }
    XFlush(display_);
}

void X11KeyInjector::virtualKey(std::uint8_t virtualKey, bool down) {
    endLevel3();
    const auto keysym = keysymForVirtualKey(virtualKey);
    if (!keysym) {
        return;
    }
    const KeyCode key = keymap_.keycodeFor(keysym->keysym);
    if (HeldKey* modifier = modifierFor(virtualKey)) {
        if (down && !modifier->held() && key != 0) {
            fake(key, true);
            modifier->key = key;
        } else if (!down) {
            // Also when the core lets go of what it never pressed, as keybd_event would.
            const KeyCode held = modifier->held() ? modifier->key : key;
            if (held != 0) {
                fake(held, false);
            }
            modifier->key = 0;
        }
        return;
    }
    if (key == 0) {
        return;
    }
    if (down && keysym->numLockLevel) {
        pressAtNumLockLevel(key);
    } else {
        fake(key, down);
    }
}

void X11KeyInjector::pressAtNumLockLevel(KeyCode key) {
    // The digit of the keypad whatever Num Lock is, as on Windows. Our own Num Lock
    // presses must have been counted first.
    keymap_.refreshState();
    const KeySym wanted = keymap_.keysymAtLevel(key, 1);
    const auto reach =
        wanted == NoSymbol ? X11Keymap::Reach::AsIs : keymap_.reach(key, wanted, heldModifiers());
    const KeyCode shift = shift_.held() ? shift_.key : keymap_.keycodeFor(XK_Shift_L);
    const KeyCode numLock = keymap_.numLockKey();
    if (reach == X11Keymap::Reach::ToggleShift && shift != 0) {
        fake(shift, !shift_.held());
        fake(key, true);
        fake(shift, shift_.held());
    } else if (reach == X11Keymap::Reach::ToggleNumLock && numLock != 0) {
        fake(numLock, true);
        fake(numLock, false);
        fake(key, true);
        fake(numLock, true);
        fake(numLock, false);
    } else {
        fake(key, true);
    }
}

void X11KeyInjector::typedKeyDown(KeyCode key) {
    endLevel3();
    if (ctrl_.held() && alt_.held() && keymap_.level3Key() != 0 &&
        keymap_.hasLevel3(key, shift_.held())) {
        fake(alt_.key, false);
        fake(ctrl_.key, false);
        fake(keymap_.level3Key(), true);
        level3Typed_ = key;
    }
    unsigned modifiers = heldModifiers();
    if (level3Typed_ != 0) {
        modifiers = (shift_.held() ? ShiftMask : 0U) | keymap_.level3Mask();
    }
    if (deadKeyCharacter(keymap_.keysymAt(key, modifiers))) {
        // Twice: the compose tables answer a dead key pressed again with its own character.
        pressApart(key);
        fake(key, false);
        pressApart(key);
        return;
    }
    fake(key, true);
}

void X11KeyInjector::typedKeyUp(KeyCode key) {
    fake(key, false);
    if (level3Typed_ == key) {
        endLevel3();
    }
}

void X11KeyInjector::endLevel3() {
    if (level3Typed_ == 0) {
        return;
    }
    level3Typed_ = 0;
    fake(keymap_.level3Key(), false);
    fake(ctrl_.key, true);
    fake(alt_.key, true);
}

X11KeyInjector::HeldKey* X11KeyInjector::modifierFor(std::uint8_t virtualKey) {
    switch (virtualKey) {
    case kVkShift:
        return &shift_;
    case kVkCtrl:
        return &ctrl_;
    case kVkAlt:
        return &alt_;
    default:
        return nullptr;
    }
}

unsigned X11KeyInjector::heldModifiers() const {
    return (shift_.held() ? ShiftMask : 0U) | (ctrl_.held() ? ControlMask : 0U) |
           (alt_.held() ? Mod1Mask : 0U);
}

void X11KeyInjector::pressApart(KeyCode key) {
    // Clients date key events by the server's millisecond clock and take a release and a
    // press of one key at the same moment for auto-repeat, which spoils a dead key pressed
    // twice: keep the two apart.
    if (key == lastReleased_) {
        XFlush(display_);
        const auto since = std::chrono::steady_clock::now() - releasedAt_;
        if (since < kRepeatGap) {
            std::this_thread::sleep_for(kRepeatGap - since);
        }
    }
    fake(key, true);
}

void X11KeyInjector::fake(KeyCode key, bool press) {
    XTestFakeKeyEvent(display_, key, press ? True : False, CurrentTime);
    if (!press) {
        lastReleased_ = key;
        releasedAt_ = std::chrono::steady_clock::now();
    }
}
