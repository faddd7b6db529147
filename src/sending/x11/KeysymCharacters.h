#pragma once

#include <optional>

// X keysyms (plain numbers here, so that this header needs no Xlib) against cp1252.

// The cp1252 character that a key with this keysym types: the Latin-1 keysyms, the older
// keysyms of cp1252's other characters (EuroSign, Scaron, endash, ...), and the Unicode
// keysyms (0x01000000 + code point) that newer keymaps use instead.
std::optional<unsigned char> cp1252FromKeysym(unsigned long keysym);

// The keysym to put on a key that is to type the character: the Latin-1 keysym where there
// is one, else the Unicode keysym (browsers drop some of the older ones, such as permille).
unsigned long keysymForCp1252(unsigned char character);
