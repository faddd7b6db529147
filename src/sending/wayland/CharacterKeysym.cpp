#include "sending/wayland/CharacterKeysym.h"

namespace {

constexpr xkb_keysym_t kUnicodeKeysymBase = 0x01000000;

} // namespace

xkb_keysym_t characterKeysym(char32_t character) {
    switch (character) {
    case U'\r':
    case U'\n':
        return XKB_KEY_Return;
    case U'\t':
        return XKB_KEY_Tab;
    case U'\x1b':
        return XKB_KEY_Escape;
    case U'\b':
        return XKB_KEY_BackSpace;
    default:
        break;
    }
    if (character < 0x20 || (character >= 0x7F && character < 0xA0)) {
        return XKB_KEY_NoSymbol;
    }
    return xkb_utf32_to_keysym(character);
}

xkb_keysym_t ownKeymapKeysym(char32_t character) {
    const xkb_keysym_t keysym = characterKeysym(character);
    if (keysym != XKB_KEY_NoSymbol && character > 0xFF) {
        return kUnicodeKeysymBase + character;
    }
    return keysym;
}
