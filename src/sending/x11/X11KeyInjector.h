#pragma once

#include "sending/SendingPlatform.h"
#include "sending/x11/X11Keymap.h"
#include "sending/x11/X11SpareKeys.h"

#include <X11/Xlib.h>

#include <cstdint>

// Turns the key events of the sending core into XTest key events, in the core's order.
// Shift, Ctrl and Alt that the core holds are pressed as real keys when the next other key
// goes down, and at the end of a send (sync()), so that a pair pressed and let go around
// one character never reaches the target alone. A typed character that arrives while
// Ctrl and Alt are both held is typed at level 3, as Windows does for Ctrl+Alt on layouts
// with AltGr: the level-3 shift is held instead of them, so that the target sees the
// character with neither held (browsers refuse text typed with Ctrl held). A character
// without a key of the layout is typed on the spare key lent to it.
class X11KeyInjector {
public:
    X11KeyInjector(Display* display, X11Keymap& keymap, const X11SpareKeys& spareKeys);

    void inject(std::uint8_t code, KeyDirection direction, KeySource source);
    // Presses and lets go of the modifiers until the keyboard holds what the core holds.
    void sync();
    // Whether the key is down because of us.
    bool holds(KeyCode key) const;

private:
    // One of Shift, Ctrl, Alt, and the level-3 shift: whether the core holds it, and the
    // key that is down for it now (0 when none).
    struct Modifier {
        bool wanted = false;
        KeyCode down = 0;
    };

    void virtualKey(std::uint8_t virtualKey, bool down);
    void pressAtNumLockLevel(KeyCode key);
    void typedKeyDown(KeyCode key);
    void characterKey(unsigned char character, bool down);
    Modifier* modifierFor(std::uint8_t virtualKey);
    // Makes the keyboard hold these: Shift, Ctrl, Alt as the core has them unless said
    // otherwise, and the level-3 shift only when asked.
    void hold(bool shift, bool ctrl, bool alt, bool level3);
    void set(Modifier& modifier, bool down, KeySym keysym);
    void fake(KeyCode key, bool press);

    Display* display_;
    X11Keymap& keymap_;
    const X11SpareKeys& spareKeys_;
    Modifier shift_;
    Modifier ctrl_;
    Modifier alt_;
    Modifier level3_;
    // The spare key down now, for its key-up.
    KeyCode characterDown_ = 0;
};
