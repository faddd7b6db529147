#pragma once

#include <xkbcommon/xkbcommon.h>

// The keysym that types the character. Carriage return and line feed are typed as Return,
// tab, escape and backspace as their keys; other control characters have none.
xkb_keysym_t characterKeysym(char32_t character);

// For a keymap of our own: the keysym a target surely turns into the character. Chromium
// on X11 drops the old keysym "permille" (0xad5); the Unicode keysym arrives, so every
// character above U+00FF goes in as a Unicode keysym.
xkb_keysym_t ownKeymapKeysym(char32_t character);
