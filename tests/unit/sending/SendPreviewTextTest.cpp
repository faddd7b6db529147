#include "sending/SendPreviewText.h"
#include "sending/CaptionMatch.h"
#include "sending/EscapePreviewText.h"
#include "sending/FindTargetWindow.h"
#include "sending/recording/RecordingPlatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Trace = std::vector<std::string>;
using Commands = std::vector<SystemCommand>;

bool contains(const Trace& trace, const std::string& entry) {
    return std::find(trace.begin(), trace.end(), entry) != trace.end();
}

TEST(EscapePreviewText, RewritesEachAltGrCharacterOnce) {
    EXPECT_EQ(EscapePreviewText(""), "");
    EXPECT_EQ(EscapePreviewText("a\xE4~"), "a\xE4{ALTDOWN}{CTRLDOWN}+{ALTUP}{CTRLUP}");
    // The braces of an inserted sequence are not rewritten again.
    EXPECT_EQ(EscapePreviewText("{"), "{ALTDOWN}{CTRLDOWN}7{ALTUP}{CTRLUP}");
    EXPECT_EQ(EscapePreviewText("{}[]~|@").size(), 7U * 35U) << "seven sequences of 35 characters";
}

// Umlauts in prefixes are checked through a whole send below.
TEST(CaptionMatch, PrefixesFoldAsciiLettersAndWholeCaptionsCp1252Letters) {
    EXPECT_TRUE(captionStartsWith("Kartenspiel - Browser", "kARTENSPIEL"));
    EXPECT_FALSE(captionStartsWith("Cha", "Chat"));
    EXPECT_TRUE(captionEquals("Chat", "cHAT"));
    EXPECT_TRUE(captionEquals("\xC4rger", "\xE4RGER")); // Ärger
    EXPECT_TRUE(captionEquals("\x8A\x9F", "\x9A\xFF")); // Š Ÿ, š ÿ
    EXPECT_FALSE(captionEquals("\xD7", "\xF7"));        // × and ÷ are no letters
    EXPECT_FALSE(captionEquals("Chat", "Chat "));
    EXPECT_FALSE(captionEquals("Chat - Browser", "Chat"));
}

class SendPreviewTextTest : public ::testing::Test {
protected:
    SendResult send(std::string_view preview, bool autoEnter = false) {
        return SendPreviewText(platform, title, preview, autoEnter);
    }

    RecordingPlatform platform{KeyboardLayout::German};
    std::string title = "Kartenspiel";
};

TEST_F(SendPreviewTextTest, ExactHitNeedsNoEnumerationAndActivatesTwice) {
    platform.openWindow("Kartenspiel - Browser");
    const WindowHandle exact = platform.openWindow("KARTENSPIEL");
    EXPECT_EQ(send("hi"), SendResult::Sent);
    EXPECT_FALSE(contains(platform.trace(), "enum"));
    EXPECT_EQ(platform.systemCommands(exact),
              (Commands{SystemCommand::Hotkey, SystemCommand::Restore, SystemCommand::Hotkey,
                        SystemCommand::Restore}));
    EXPECT_EQ(platform.received(exact), "hi");
}

TEST_F(SendPreviewTextTest, FirstWindowWithThePrefixInEnumerationOrderWins) {
    const WindowHandle other = platform.openWindow("Editor");
    const WindowHandle first = platform.openWindow("kartenspiel: Tisch 1");
    const WindowHandle second = platform.openWindow("Kartenspiel: Tisch 2");
    platform.bringToForeground(second);
    EXPECT_EQ(send("hi"), SendResult::Sent);
    EXPECT_EQ(platform.received(first), "hi");
    EXPECT_EQ(platform.received(second), "");
    EXPECT_TRUE(platform.systemCommands(second).empty());
    EXPECT_TRUE(platform.systemCommands(other).empty());
    // The enumeration stops at the match.
    EXPECT_FALSE(contains(platform.trace(), "caption #3"));
}

TEST_F(SendPreviewTextTest, OnlyTheFirst79CharactersOfACaptionAreCompared) {
    const std::string caption = "Kartenspiel " + std::string(88, 'x');
    const WindowHandle window = platform.openWindow(caption);
    title = caption.substr(0, 80);
    EXPECT_EQ(send("hi"), SendResult::TargetMissing);
    title = caption.substr(0, 79);
    EXPECT_EQ(send("hi"), SendResult::Sent);
    title = caption;
    EXPECT_EQ(send("ho"), SendResult::Sent);
    EXPECT_EQ(platform.received(window), "hiho");
}

TEST_F(SendPreviewTextTest, UmlautsOfAPrefixMustMatchInCase) {
    const WindowHandle window = platform.openWindow("\xC4rger im Spiel"); // Ärger
    title = "\xE4rger";
    EXPECT_EQ(send("hi"), SendResult::TargetMissing);
    title = "\xC4RGER";
    EXPECT_EQ(send("hi"), SendResult::Sent);
    EXPECT_EQ(platform.received(window), "hi");
}

TEST_F(SendPreviewTextTest, EmptyTitleOrMissingTargetTypesNothing) {
    const WindowHandle untitled = platform.openWindow("");
    platform.openWindow("Editor");
    title = "";
    EXPECT_EQ(send("hi", true), SendResult::TargetMissing);
    EXPECT_TRUE(platform.trace().empty()) << "an empty title is no prefix of every caption";
    title = "Kartenspiel";
    EXPECT_EQ(send("hi", true), SendResult::TargetMissing);
    EXPECT_TRUE(platform.keys().empty());
    EXPECT_TRUE(platform.systemCommands(untitled).empty());
    EXPECT_EQ(missingTargetMessage("Chat"), "Zielfenster Chat nicht vorhanden!");
}

TEST_F(SendPreviewTextTest, TargetClosingBetweenTheLookupsIsMissing) {
    const WindowHandle window = platform.openWindow("Kartenspiel");
    const WindowHandle focused = platform.openWindow("Editor");
    platform.onCall([&](const std::string& entry) {
        if (entry == "restore #1") {
            platform.closeWindow(window);
            platform.bringToForeground(focused);
        }
    });
    EXPECT_EQ(send("hi", true), SendResult::TargetMissing);
    EXPECT_TRUE(platform.keys().empty());
    EXPECT_EQ(platform.received(focused), "");
}

TEST_F(SendPreviewTextTest, FailingLookupCountsAsMissing) {
    class BrokenPlatform : public RecordingPlatform {
    public:
        WindowHandle findWindowByCaption(std::string_view) override {
            throw std::runtime_error("gone");
        }
    } broken;
    broken.openWindow("Kartenspiel");
    EXPECT_EQ(FindTargetWindow(broken, "Kartenspiel"), kNullWindow);
    EXPECT_EQ(SendPreviewText(broken, "Kartenspiel", "hi", false), SendResult::TargetMissing);
}

TEST_F(SendPreviewTextTest, EmptyPreviewTypesOnlyTheAutoEnter) {
    const WindowHandle window = platform.openWindow("Kartenspiel");
    EXPECT_EQ(send(""), SendResult::Sent);
    EXPECT_TRUE(platform.keys().empty());
    EXPECT_TRUE(contains(platform.trace(), "fg #1"));
    EXPECT_EQ(send("", true), SendResult::Sent);
    EXPECT_EQ(platform.keys(), (Trace{"+[Return]", "-[Return]"}));
    EXPECT_EQ(platform.received(window), "\r");
}

TEST_F(SendPreviewTextTest, PreviewIsTypedLiterallyOnTheGermanLayout) {
    const WindowHandle window = platform.openWindow("Kartenspiel");
    send("a@b");
    EXPECT_EQ(platform.keys(), (Trace{"+[A]", "-[A]", "+Alt", "+Ctrl", "+[Q]", "-[Q]", "-Alt",
                                      "-Ctrl", "+[B]", "-[B]"}));
    send("{x}");
    send("{ENTER}[~|]", true);
    send("ja\r\nnein"); // carriage return and line feed each reach the Return key
    EXPECT_EQ(platform.received(window), "a@b{x}{ENTER}[~|]\rja\r\rnein");
}

TEST_F(SendPreviewTextTest, LostFocusIsReported) {
    const WindowHandle window = platform.openWindow("Kartenspiel");
    platform.onCall([&](const std::string& entry) {
        if (entry == "scan b") {
            platform.refuseFocus(window);
        }
    });
    EXPECT_EQ(send("abc"), SendResult::FocusLost);
    EXPECT_EQ(platform.received(window), "ab");
}

} // namespace
