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

// One, two and three bytes, and the unassigned 0x81, which Windows maps to U+0081.
TEST(Cp1252Unicode, Cp1252TextsBecomeUtf8AndBack) {
    const std::string cp1252 = "A\xFC\x80\x85\x81\xA0";
    EXPECT_EQ(cp1252ToUtf8(cp1252), "A\xC3\xBC\xE2\x82\xAC\xE2\x80\xA6\xC2\x81\xC2\xA0");
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(cp1252)), cp1252);
}

} // namespace
