#include "sending/x11/KeysymCharacters.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(Cp1252Keysyms, LatinLegacyAndUnicodeKeysymsAllCount) {
    EXPECT_EQ(cp1252FromKeysym(0x0041), 'A');
    EXPECT_EQ(cp1252FromKeysym(0x00FC), 0xFC);             // udiaeresis
    EXPECT_EQ(cp1252FromKeysym(0x20AC), 0x80);             // EuroSign
    EXPECT_EQ(cp1252FromKeysym(0x010020AC), 0x80);         // U20AC
    EXPECT_EQ(cp1252FromKeysym(0x01a9), 0x8A);             // Scaron
    EXPECT_EQ(cp1252FromKeysym(0x0aaa), 0x96);             // endash
    EXPECT_EQ(cp1252FromKeysym(0x010000B5), 0xB5);         // U00B5, µ
    EXPECT_EQ(cp1252FromKeysym(0xFF0D), std::nullopt);     // Return: typed by its own key
    EXPECT_EQ(cp1252FromKeysym(0xFFB1), std::nullopt);     // KP_1
    EXPECT_EQ(cp1252FromKeysym(0x0100000A), std::nullopt); // a control character
    EXPECT_EQ(cp1252FromKeysym(0x01000100), std::nullopt); // Ā, not in cp1252
    EXPECT_EQ(cp1252FromKeysym(0xFE52), std::nullopt);     // dead_circumflex
}

TEST(Cp1252Keysyms, DeadKeysTypeTheirSpacingCharacter) {
    EXPECT_EQ(deadKeyCharacter(0xFE52), '^');          // dead_circumflex
    EXPECT_EQ(deadKeyCharacter(0xFE50), '`');          // dead_grave
    EXPECT_EQ(deadKeyCharacter(0xFE51), 0xB4);         // dead_acute
    EXPECT_EQ(deadKeyCharacter(0xFE5A), std::nullopt); // dead_caron: ˇ is not in cp1252
    EXPECT_EQ(deadKeyCharacter('^'), std::nullopt);
}

} // namespace
