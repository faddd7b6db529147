#include "sending/x11/X11KeyInjector.h"

#include "sending/VirtualKeys.h"
#include "sending/x11/VirtualKeySyms.h"

#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

X11KeyInjector::X11KeyInjector(Display* display, X11Keymap& keymap, const X11SpareKeys& spareKeys)
    : display_(display), keymap_(keymap), spareKeys_(spareKeys) {}

void X11KeyInjector::inject(std::uint8_t code, KeyDirection direction, KeySource source) {
    const bool down = direction == KeyDirection::Down;
    switch (source) {
    case KeySource::TypedCharacter:
        if (down) {
            typedKeyDown(code);
        } else {
            fake(code, false);
        }
        break;
    case KeySource::Character:
        characterKey(code, down);
        break;
    case KeySource::VirtualKey:
        virtualKey(code, down);
        break;
    }
    XFlush(display_);
}

void X11KeyInjector::sync() {
    hold(shift_.wanted, ctrl_.wanted, alt_.wanted, false);
    XFlush(display_);
}

bool X11KeyInjector::holds(KeyCode key) const {
    return key != 0 && (key == shift_.down || key == ctrl_.down || key == alt_.down ||
                        key == level3_.down || key == characterDown_);
}

void X11KeyInjector::virtualKey(std::uint8_t virtualKey, bool down) {
    if (Modifier* modifier = modifierFor(virtualKey)) {
        // Also when the core lets go of what it never pressed, as keybd_event would.
        modifier->wanted = down;
        return;
    }
    const auto keysym = keysymForVirtualKey(virtualKey);
    if (!keysym) {
        return;
    }
    const KeyCode key = keymap_.keycodeFor(keysym->keysym);
    if (key == 0) {
        return;
    }
    if (down) {
        hold(shift_.wanted, ctrl_.wanted, alt_.wanted, false);
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
    const unsigned held = (shift_.wanted ? ShiftMask : 0U) | (ctrl_.wanted ? ControlMask : 0U) |
                          (alt_.wanted ? Mod1Mask : 0U);
    const auto reach =
        wanted == NoSymbol ? X11Keymap::Reach::AsIs : keymap_.reach(key, wanted, held);
    const KeyCode numLock = keymap_.numLockKey();
    if (reach == X11Keymap::Reach::ToggleShift) {
        hold(!shift_.wanted, ctrl_.wanted, alt_.wanted, false);
        fake(key, true);
        hold(shift_.wanted, ctrl_.wanted, alt_.wanted, false);
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
    const bool level3 = ctrl_.wanted && alt_.wanted && keymap_.level3Key() != 0 &&
                        keymap_.hasLevel3(key, shift_.wanted);
    if (level3) {
        hold(shift_.wanted, false, false, true);
    } else {
        hold(shift_.wanted, ctrl_.wanted, alt_.wanted, false);
    }
    fake(key, true);
}

void X11KeyInjector::characterKey(unsigned char character, bool down) {
    if (!down) {
        if (characterDown_ != 0) {
            fake(characterDown_, false);
            characterDown_ = 0;
        }
        return;
    }
    const auto place = spareKeys_.find(character);
    if (!place) {
        return; // it has no key now: left out, as a character of no layout
    }
    // Shift picks the level; what else the core holds stays.
    hold(place->shifted, ctrl_.wanted, alt_.wanted, false);
    fake(place->key, true);
    characterDown_ = place->key;
}

X11KeyInjector::Modifier* X11KeyInjector::modifierFor(std::uint8_t virtualKey) {
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

void X11KeyInjector::hold(bool shift, bool ctrl, bool alt, bool level3) {
    // Let go first, so that no combination of old and new is ever down together.
    if (!level3) {
        set(level3_, false, XK_ISO_Level3_Shift);
    }
    if (!alt) {
        set(alt_, false, XK_Alt_L);
    }
    if (!ctrl) {
        set(ctrl_, false, XK_Control_L);
    }
    if (!shift) {
        set(shift_, false, XK_Shift_L);
    }
    set(shift_, shift, XK_Shift_L);
    set(ctrl_, ctrl, XK_Control_L);
    set(alt_, alt, XK_Alt_L);
    set(level3_, level3, XK_ISO_Level3_Shift);
}

void X11KeyInjector::set(Modifier& modifier, bool down, KeySym keysym) {
    if (down && modifier.down == 0) {
        const KeyCode key =
            keysym == XK_ISO_Level3_Shift ? keymap_.level3Key() : keymap_.keycodeFor(keysym);
        if (key != 0) {
            fake(key, true);
            modifier.down = key;
        }
    } else if (!down && modifier.down != 0) {
        fake(modifier.down, false);
        modifier.down = 0;
    }
}

void X11KeyInjector::fake(KeyCode key, bool press) {
    XTestFakeKeyEvent(display_, key, press ? True : False, CurrentTime);
}
