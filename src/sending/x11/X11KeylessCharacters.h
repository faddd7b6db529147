#pragma once

#include "sending/x11/X11Keymap.h"
#include "sending/x11/X11Ping.h"
#include "sending/x11/X11SpareKeys.h"

#include <X11/Xlib.h>

#include <chrono>
#include <string>
#include <string_view>

// The characters of a send that the layout has no key for, on spare keys from before the
// first key until the target has read the last one. A client reads a key event with the
// keymap it has when it gets to it, and takes in a new keymap only when it gets to the
// notice of the change: so the target is pinged after each change, before the next key,
// and after the last key, before the keys are given back.
class X11KeylessCharacters {
public:
    // How long the target may take to answer; one that never answers pings gets a pause.
    static constexpr std::chrono::milliseconds kTargetWait{500};
    static constexpr std::chrono::milliseconds kUnpingedPause{100};

    X11KeylessCharacters(X11Keymap& keymap, X11SpareKeys& spareKeys, X11Ping& ping);

    // Finds the characters without a key and lends them spare keys, as many as fit; returns
    // once the target has the new keymap.
    void prepare(Window target, std::string_view characters);
    // Before the character's key goes down: when it has no spare key now (the send has more
    // of these characters than fit), the keys go to it and those after it.
    void bringIn(unsigned char character);
    // Gives the keys back once the target has read every key typed with them.
    void giveBack();

private:
    void lend(std::size_t from);
    void waitForTarget();

    X11Keymap& keymap_;
    X11SpareKeys& spareKeys_;
    X11Ping& ping_;
    Window target_ = None;
    // In the order they first appear in the text.
    std::string keyless_;
};
