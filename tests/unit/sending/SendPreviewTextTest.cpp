#include "sending/SendPreviewText.h"
#include "sending/CaptionMatch.h"
#include "sending/EscapePreviewText.h"
#include "sending/FindTargetWindow.h"
#include "sending/SendKeySequence.h"
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

// What the German layout types with AltGr, through the layout in use.
const std::string kAltGrCharacters = "{}[]~|@";

TEST(EscapePreviewText, TheGermanLayoutKeepsTheKeystrokesOfTheEscapeTable) {
    const char* const table[] = {
        "{ALTDOWN}{CTRLDOWN}7{ALTUP}{CTRLUP}", "{ALTDOWN}{CTRLDOWN}0{ALTUP}{CTRLUP}",
        "{ALTDOWN}{CTRLDOWN}8{ALTUP}{CTRLUP}", "{ALTDOWN}{CTRLDOWN}9{ALTUP}{CTRLUP}",
        "{ALTDOWN}{CTRLDOWN}+{ALTUP}{CTRLUP}", "{ALTDOWN}{CTRLDOWN}<{ALTUP}{CTRLUP}",
        "{ALTDOWN}{CTRLDOWN}q{ALTUP}{CTRLUP}",
    };
    RecordingPlatform escaped(KeyboardLayout::German);
    const WindowHandle escapedChat = escaped.openWindow("Chat");
    for (const char* sequence : table) {
        SendKeySequence(escaped, sequence, escapedChat);
    }
    RecordingPlatform german(KeyboardLayout::German);
    const WindowHandle chat = german.openWindow("Chat");
    EXPECT_EQ(SendPreviewText(german, "Chat", kAltGrCharacters, false), SendResult::Sent);
    EXPECT_EQ(german.keys(), escaped.keys());
    EXPECT_EQ(german.keys().size(), 7U * 6U);
    EXPECT_EQ(german.received(chat), kAltGrCharacters);
    EXPECT_TRUE(EscapePreviewText("").empty());
}

TEST(EscapePreviewText, OtherLayoutsTypeTheCharactersWithTheirOwnKeys) {
    RecordingPlatform us(KeyboardLayout::US);
    const WindowHandle usChat = us.openWindow("Chat");
    SendPreviewText(us, "Chat", "{@}\xE9", false);
    EXPECT_EQ(us.keys(),
              (Trace{"+Shift", "+[0xDB]", "-[0xDB]", "-Shift", "+Shift", "+[2]", "-[2]", "-Shift",
                     "+Shift", "+[0xDD]", "-[0xDD]", "-Shift", "+<\xE9>", "-<\xE9>"}));
    EXPECT_EQ(us.received(usChat), "{@}\xE9");

    // The tilde is a dead key there, so it is typed as itself.
    RecordingPlatform swiss(KeyboardLayout::SwissGerman);
    const WindowHandle swissChat = swiss.openWindow("Chat");
    SendPreviewText(swiss, "Chat", "{x} ~|", false);
    EXPECT_EQ(swiss.keys(),
              (Trace{"+Alt", "+Ctrl", "+[0xDC]", "-[0xDC]", "-Alt", "-Ctrl", "+[X]",     "-[X]",
                     "+Alt", "+Ctrl", "+[0xDF]", "-[0xDF]", "-Alt", "-Ctrl", "+[Space]", "-[Space]",
                     "+<~>", "-<~>",  "+Alt",    "+Ctrl",   "+[7]", "-[7]",  "-Alt",     "-Ctrl"}));
    EXPECT_EQ(swiss.received(swissChat), "{x} ~|");

    for (const auto layout :
         {KeyboardLayout::US, KeyboardLayout::SwissGerman, KeyboardLayout::French}) {
        RecordingPlatform platform(layout);
        const WindowHandle chat = platform.openWindow("Chat");
        const std::string text = "a@b {x} [y] ~| {ENTER} 1\x80 \xE9\xE0\xE8\xF1\xE7 \xE4\xF6\xFC";
        EXPECT_EQ(SendPreviewText(platform, "Chat", text, true), SendResult::Sent);
        EXPECT_EQ(platform.received(chat), text + "\r") << static_cast<int>(layout);
    }
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
    EXPECT_EQ(
        focusLostMessage("Chat"),
        "Zielfenster Chat hat den Fokus verloren, der Text wurde nicht vollst\xE4ndig gesendet!");
}

} // namespace
