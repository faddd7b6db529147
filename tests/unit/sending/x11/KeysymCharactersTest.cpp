#include "sending/x11/KeysymCharacters.h"

#include "charset/Cp1252Table.h"

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

// Every printable character has a keysym of its own, which names it again.
TEST(Cp1252Keysyms, EveryPrintableCharacterHasAKeysymThatTypesIt) {
    EXPECT_EQ(keysymForCp1252('a'), 0x61U);
    EXPECT_EQ(keysymForCp1252(0xE9), 0xE9U);       // eacute
    EXPECT_EQ(keysymForCp1252(0x89), 0x01002030U); // U2030, not permille
    for (unsigned c = 0x20; c < 0x100; ++c) {
        const auto character = static_cast<unsigned char>(c);
        if (isPrintableCp1252(character)) {
            EXPECT_EQ(cp1252FromKeysym(keysymForCp1252(character)), character) << c;
        }
    }
}

} // namespace
