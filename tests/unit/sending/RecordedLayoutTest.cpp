#include "sending/recording/RecordedLayout.h"

#include <gtest/gtest.h>

namespace {

constexpr auto German = KeyboardLayout::German;
constexpr auto US = KeyboardLayout::US;

// One character of each kind: plain, Shift, AltGr, dead, control, and without a key.
TEST(RecordedLayout, AnswersAsVkKeyScanA) {
    const struct {
        KeyboardLayout layout;
        char character;
        std::uint16_t key;
    } rows[] = {{German, 'z', 0x005A},    {German, 'Y', 0x0159},    {German, '\xE4', 0x00DE},
                {German, '\xD6', 0x01C0}, {German, '\xDF', 0x00DB}, {German, '\\', 0x06DB},
                {German, '\x80', 0x0645}, {German, '@', 0x0651},    {German, '\xB2', 0x0632},
                {German, '{', 0x0637},    {German, '~', 0x06BB},    {German, '|', 0x06E2},
                {German, '^', 0x00DC},    {German, '\xB4', 0x00DD}, {German, '`', 0x01DD},
                {German, '\xE9', 0xFFFF}, {US, 'y', 0x0059},        {US, '@', 0x0132},
                {US, '\\', 0x00DC},       {US, '{', 0x01DB},        {US, '\xE4', 0xFFFF},
                {US, '\x80', 0xFFFF},     {German, '\r', 0x000D},   {US, '\n', 0x020D},
                {German, '\t', 0x0009},   {US, '\x1b', 0x001B}};
    for (const auto& row : rows) {
        EXPECT_EQ(RecordedLayoutKey(row.layout, static_cast<unsigned char>(row.character)), row.key)
            << (row.layout == German ? "German " : "US ")
            << int(static_cast<unsigned char>(row.character));
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
