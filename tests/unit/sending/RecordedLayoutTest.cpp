#include "RecordedLayout.h"

#include <gtest/gtest.h>

namespace {

constexpr auto German = KeyboardLayout::German;
constexpr auto US = KeyboardLayout::US;

std::uint16_t Key(KeyboardLayout layout, char c) {
    return RecordedLayoutKey(layout, static_cast<unsigned char>(c));
}

TEST(RecordedLayout, GermanAnswersAsVkKeyScanA) {
    EXPECT_EQ(Key(German, 'z'), 0x005A);
    EXPECT_EQ(Key(German, 'Y'), 0x0159);
    EXPECT_EQ(Key(German, '\xE4'), 0x00DE); // ä
    EXPECT_EQ(Key(German, '\xD6'), 0x01C0); // Ö
    EXPECT_EQ(Key(German, '\xFC'), 0x00BA); // ü
    EXPECT_EQ(Key(German, '\xDF'), 0x00DB); // ß
    EXPECT_EQ(Key(German, '?'), 0x01DB);
    EXPECT_EQ(Key(German, '\\'), 0x06DB);
    EXPECT_EQ(Key(German, '\x80'), 0x0645); // €
    EXPECT_EQ(Key(German, '@'), 0x0651);
    EXPECT_EQ(Key(German, '\xB5'), 0x064D); // µ
    EXPECT_EQ(Key(German, '\xA7'), 0x0133); // §
    EXPECT_EQ(Key(German, '\xB0'), 0x01DC); // °
    EXPECT_EQ(Key(German, '\xB2'), 0x0632); // ²
    EXPECT_EQ(Key(German, '\xB3'), 0x0633); // ³
    EXPECT_EQ(Key(German, '^'), 0x00DC);    // dead
    EXPECT_EQ(Key(German, '\xB4'), 0x00DD); // ´, dead
    EXPECT_EQ(Key(German, '`'), 0x01DD);    // dead
    EXPECT_EQ(Key(German, '{'), 0x0637);
    EXPECT_EQ(Key(German, '~'), 0x06BB);
    EXPECT_EQ(Key(German, '|'), 0x06E2);
    EXPECT_EQ(Key(German, '*'), 0x01BB);
    EXPECT_EQ(Key(German, '\xE9'), 0xFFFF); // é needs a dead key
}

TEST(RecordedLayout, UsAnswersAsVkKeyScanA) {
    EXPECT_EQ(Key(US, 'y'), 0x0059);
    EXPECT_EQ(Key(US, '@'), 0x0132);
    EXPECT_EQ(Key(US, '*'), 0x0138);
    EXPECT_EQ(Key(US, '+'), 0x01BB);
    EXPECT_EQ(Key(US, '\\'), 0x00DC);
    EXPECT_EQ(Key(US, '{'), 0x01DB);
    EXPECT_EQ(Key(US, '~'), 0x01C0);
    EXPECT_EQ(Key(US, '\xE4'), 0xFFFF);
    EXPECT_EQ(Key(US, '\x80'), 0xFFFF);
    EXPECT_EQ(Key(US, '\xA7'), 0xFFFF);
}

TEST(RecordedLayout, ControlCharacters) {
    for (const auto layout : {German, US}) {
        EXPECT_EQ(Key(layout, '\r'), 0x000D);
        EXPECT_EQ(Key(layout, '\n'), 0x020D);
        EXPECT_EQ(Key(layout, '\t'), 0x0009);
        EXPECT_EQ(Key(layout, '\x1b'), 0x001B);
        EXPECT_EQ(Key(layout, ' '), 0x0020);
    }
}

// Each character with a key types itself again, so no two share a key and modifiers.
TEST(RecordedLayout, EveryKeyTypesItsOwnCharacter) {
    for (const auto layout : {German, US}) {
        for (unsigned c = 0; c < 256; ++c) {
            const std::uint16_t key = RecordedLayoutKey(layout, static_cast<unsigned char>(c));
            if (key == 0xFFFF) {
                continue;
            }
            const auto typed = RecordedLayoutCharacter(layout, key & 0xFF, key >> 8, false);
            ASSERT_TRUE(typed.has_value()) << c;
            EXPECT_EQ(*typed, c);
        }
    }
}

TEST(RecordedLayout, CapsLockTurnsLettersAndUmlautsOnly) {
    EXPECT_EQ(RecordedLayoutCharacter(German, 'A', 0, true), 'A');
    EXPECT_EQ(RecordedLayoutCharacter(German, 'A', 1, true), 'a');
    EXPECT_EQ(RecordedLayoutCharacter(German, 0xDE, 0, true), 0xC4); // Ä
    EXPECT_EQ(RecordedLayoutCharacter(German, '1', 0, true), '1');
    EXPECT_EQ(RecordedLayoutCharacter(US, 0xDE, 0, true), '\'');
    EXPECT_EQ(RecordedLayoutCharacter(German, 'Q', 6, true), '@');
    EXPECT_EQ(RecordedLayoutCharacter(US, 'Q', 6, false), std::nullopt);
    EXPECT_EQ(RecordedLayoutCharacter(German, 0x6E, 0, false), ','); // keypad decimal
}

} // namespace
