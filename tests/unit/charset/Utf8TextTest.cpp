#include "charset/Utf8Text.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1252Unicode, Utf8CaptionsBecomeCp1252WithQuestionMarksForTheRest) {
    EXPECT_EQ(utf8ToCp1252("Grüße – 5 € "), "Gr\xFC\xDF"
                                            "e \x96 5 \x80 ");
    EXPECT_EQ(utf8ToCp1252("Chat 中文 😀"), "Chat ?? ?");
    // Malformed: a lone continuation byte, a cut sequence, an overlong slash, a surrogate.
    EXPECT_EQ(utf8ToCp1252("a\x80"
                           "b"),
              "a?b");
    EXPECT_EQ(utf8ToCp1252("a\xC3"), "a?");
    EXPECT_EQ(utf8ToCp1252("\xC0\xAF"), "??");
    EXPECT_EQ(utf8ToCp1252("\xED\xA0\x80"), "???");
    EXPECT_EQ(utf8ToCp1252(""), "");
}

} // namespace
