#include "sending/recording/RecordedLayout.h"

#include <gtest/gtest.h>

namespace {

constexpr auto kGerman = KeyboardLayout::German;
constexpr auto kSwiss = KeyboardLayout::SwissGerman;
constexpr auto kFrench = KeyboardLayout::French;
constexpr auto kUS = KeyboardLayout::US;

// One character of each kind: plain, Shift, AltGr, dead, control, and without a key.
TEST(RecordedLayout, AnswersAsVkKeyScanA) {
    const struct {
        KeyboardLayout layout;
        char character;
        std::uint16_t key;
    } rows[] = {{kGerman, 'z', 0x005A},    {kGerman, 'Y', 0x0159},    {kGerman, '\xE4', 0x00DE},
                {kGerman, '\xD6', 0x01C0}, {kGerman, '\xDF', 0x00DB}, {kGerman, '\\', 0x06DB},
                {kGerman, '\x80', 0x0645}, {kGerman, '@', 0x0651},    {kGerman, '\xB2', 0x0632},
                {kGerman, '{', 0x0637},    {kGerman, '~', 0x06BB},    {kGerman, '|', 0x06E2},
                {kGerman, '^', 0x00DC},    {kGerman, '\xB4', 0x00DD}, {kGerman, '`', 0x01DD},
                {kGerman, '\xE9', 0xFFFF}, {kUS, 'y', 0x0059},        {kUS, '@', 0x0132},
                {kUS, '\\', 0x00DC},       {kUS, '{', 0x01DB},        {kUS, '\xE4', 0xFFFF},
                {kUS, '\x80', 0xFFFF},     {kGerman, '\r', 0x000D},   {kUS, '\n', 0x020D},
                {kGerman, '\t', 0x0009},   {kUS, '\x1b', 0x001B},     {kSwiss, '{', 0x06DC},
                {kSwiss, '@', 0x0632},     {kSwiss, '~', 0x06DD},     {kSwiss, 'z', 0x005A},
                {kSwiss, '\xE9', 0x01DE},  {kFrench, '1', 0x0131},    {kFrench, '\xE9', 0x0032},
                {kFrench, '@', 0x0630},    {kFrench, 'a', 0x0041},    {kFrench, '\xEA', 0xFFFF}};
    for (const auto& row : rows) {
        EXPECT_EQ(recordedLayoutKey(row.layout, static_cast<unsigned char>(row.character)), row.key)
            << static_cast<int>(row.layout) << ' '
            << int(static_cast<unsigned char>(row.character));
    }
}

// Each character with a key types itself again, so no two share a key and modifiers.
TEST(RecordedLayout, EveryKeyTypesItsOwnCharacter) {
    for (const auto layout : {kGerman, kSwiss, kFrench, kUS}) {
        for (unsigned c = 0; c < 256; ++c) {
            const std::uint16_t key = recordedLayoutKey(layout, static_cast<unsigned char>(c));
            if (key == 0xFFFF) {
                continue;
            }
            const auto typed = recordedLayoutCharacter(layout, key & 0xFF, key >> 8, false);
            ASSERT_TRUE(typed.has_value()) << c;
            EXPECT_EQ(*typed, c);
        }
    }
}

TEST(RecordedLayout, CapsLockTurnsLettersAndUmlautsOnly) {
    EXPECT_EQ(recordedLayoutCharacter(kGerman, 'A', 0, true), 'A');
    EXPECT_EQ(recordedLayoutCharacter(kGerman, 'A', 1, true), 'a');
    EXPECT_EQ(recordedLayoutCharacter(kGerman, 0xDE, 0, true), 0xC4); // Ä
    EXPECT_EQ(recordedLayoutCharacter(kGerman, '1', 0, true), '1');
    EXPECT_EQ(recordedLayoutCharacter(kUS, 0xDE, 0, true), '\'');
    EXPECT_EQ(recordedLayoutCharacter(kGerman, 'Q', 6, true), '@');
    EXPECT_EQ(recordedLayoutCharacter(kUS, 'Q', 6, false), std::nullopt);
    EXPECT_EQ(recordedLayoutCharacter(kGerman, 0x6E, 0, false), ','); // keypad decimal
    EXPECT_EQ(recordedLayoutCharacter(kFrench, '1', 0, true), '1');
}

TEST(RecordedLayout, DeadKeysAreMarked) {
    EXPECT_TRUE(recordedDeadKey(kGerman, 0xDC, 0));  // ^
    EXPECT_TRUE(recordedDeadKey(kGerman, 0xDD, 1));  // `
    EXPECT_FALSE(recordedDeadKey(kGerman, 0xBB, 6)); // ~
    EXPECT_TRUE(recordedDeadKey(kSwiss, 0xDD, 6));   // ~
    EXPECT_TRUE(recordedDeadKey(kFrench, '2', 6));   // ~
    EXPECT_FALSE(recordedDeadKey(kUS, 0xC0, 1));     // ~
}

} // namespace
