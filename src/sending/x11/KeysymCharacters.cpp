#include "sending/x11/KeysymCharacters.h"

#include "charset/Utf8Text.h"

#define XK_PUBLISHING
#define XK_TECHNICAL
#include <X11/keysym.h>

#include <array>
#include <utility>

namespace {

constexpr unsigned long kUnicodeKeysymBase = 0x01000000;

// Keysyms from before Unicode keysyms for the characters of cp1252 beyond Latin-1.
constexpr std::array<std::pair<unsigned long, char32_t>, 23> kLegacyKeysyms = {{
    {XK_EuroSign, 0x20AC},
    {XK_singlelowquotemark, 0x201A},
    {XK_function, 0x0192},
    {XK_doublelowquotemark, 0x201E},
    {XK_ellipsis, 0x2026},
    {XK_dagger, 0x2020},
    {XK_doubledagger, 0x2021},
    {XK_permille, 0x2030},
    {XK_Scaron, 0x0160},
    {XK_OE, 0x0152},
    {XK_Zcaron, 0x017D},
    {XK_leftsinglequotemark, 0x2018},
    {XK_rightsinglequotemark, 0x2019},
    {XK_leftdoublequotemark, 0x201C},
    {XK_rightdoublequotemark, 0x201D},
    {XK_enfilledcircbullet, 0x2022},
    {XK_endash, 0x2013},
    {XK_emdash, 0x2014},
    {XK_trademark, 0x2122},
    {XK_scaron, 0x0161},
    {XK_oe, 0x0153},
    {XK_zcaron, 0x017E},
    {XK_Ydiaeresis, 0x0178},
}};

} // namespace

std::optional<unsigned char> cp1252FromKeysym(unsigned long keysym) {
    if ((keysym >= 0x20 && keysym <= 0x7E) || (keysym >= 0xA0 && keysym <= 0xFF)) {
        return static_cast<unsigned char>(keysym);
    }
    if (keysym > kUnicodeKeysymBase && keysym <= kUnicodeKeysymBase + 0x10FFFF) {
        const auto codePoint = static_cast<char32_t>(keysym - kUnicodeKeysymBase);
        // Control characters are typed by their own keys (Return, Tab, ...), not these.
        if (codePoint >= 0x20 && codePoint != 0x7F && (codePoint < 0x80 || codePoint > 0x9F)) {
            return unicodeToCp1252(codePoint);
        }
        return std::nullopt;
    }
    for (const auto& [legacy, codePoint] : kLegacyKeysyms) {
        if (legacy == keysym) {
            return unicodeToCp1252(codePoint);
        }
    }
    return std::nullopt;
}

unsigned long keysymForCp1252(unsigned char character) {
    if ((character >= 0x20 && character <= 0x7E) || character >= 0xA0) {
        return character;
    }
    return kUnicodeKeysymBase + cp1252ToUnicode(character);
}
