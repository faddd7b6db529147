#pragma once

#include <optional>

// X keysyms (plain numbers here, so that this header needs no Xlib) against cp1252.

// The cp1252 character that a key with this keysym types: the Latin-1 keysyms, the older
// keysyms of cp1252's other characters (EuroSign, Scaron, endash, ...), and the Unicode
// keysyms (0x01000000 + code point) that newer keymaps use instead.
std::optional<unsigned char> cp1252FromKeysym(unsigned long keysym);

// For a dead key: the spacing character that pressing it twice types (the compose tables
// turn ^ ^ into "^"), when cp1252 has it.
std::optional<unsigned char> deadKeyCharacter(unsigned long keysym);
