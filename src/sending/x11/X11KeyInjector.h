#pragma once

#include "sending/SendingPlatform.h"
#include "sending/x11/X11Keymap.h"

#include <X11/Xlib.h>

#include <chrono>
#include <cstdint>

// Turns the key events of the sending core into XTest key events, in the core's order.
// Shift, Ctrl and Alt that the core holds are held as real keys. A typed character that
// arrives while Ctrl and Alt are both held is typed at level 3, as Windows does for
// Ctrl+Alt on layouts with AltGr: Ctrl and Alt are let go around it and the level-3 shift
// is held instead, so that the target sees the character with neither held (browsers
// refuse text typed with Ctrl held). A dead key is pressed twice to type its own character.
class X11KeyInjector {
public:
    X11KeyInjector(Display* display, X11Keymap& keymap);

    void inject(std::uint8_t code, KeyDirection direction, KeySource source);

private:
    struct HeldKey {
        KeyCode key = 0; // 0 while up
        bool held() const { return key != 0; }
    };

    void virtualKey(std::uint8_t virtualKey, bool down);
    void pressAtNumLockLevel(KeyCode key);
    void typedKeyDown(KeyCode key);
    void typedKeyUp(KeyCode key);
    void endLevel3();
    HeldKey* modifierFor(std::uint8_t virtualKey);
    unsigned heldModifiers() const;
    void pressApart(KeyCode key);
    void fake(KeyCode key, bool press);

    Display* display_;
    X11Keymap& keymap_;
    HeldKey shift_;
    HeldKey ctrl_;
    HeldKey alt_;
    static constexpr std::chrono::microseconds kRepeatGap{2000};
    KeyCode lastReleased_ = 0;
    std::chrono::steady_clock::time_point releasedAt_;
    // The typed key that is down at level 3 in place of Ctrl+Alt, 0 when none.
    KeyCode level3Typed_ = 0;
};
