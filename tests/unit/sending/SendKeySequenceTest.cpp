#include "sending/SendKeySequence.h"
#include "sending/TypingSession.h"
#include "sending/recording/RecordingPlatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Trace = std::vector<std::string>;

class SendKeySequenceTest : public ::testing::Test {
protected:
    RecordingPlatform platform{KeyboardLayout::German};
    WindowHandle target = platform.openWindow("Chat");
};

TEST_F(SendKeySequenceTest, CapsLockIsOffWhileTypingAndOnAgainAfterwards) {
    platform.setCapsLock(true);
    EXPECT_EQ(TypeText(platform, "Ab", target), SendOutcome::Completed);
    EXPECT_EQ(platform.trace(),
              (Trace{"fg #1", "caps?", "+Caps", "-Caps",                             //
                     "pause", "fg #1", "scan A", "+Shift", "+[A]", "-[A]", "-Shift", //
                     "pause", "fg #1", "scan b", "+[B]", "-[B]", "+Caps", "-Caps"}));
    EXPECT_EQ(platform.received(target), "Ab");
    EXPECT_TRUE(platform.capsLock());
}

TEST_F(SendKeySequenceTest, EmptyRunsActivateAndToggleCapsLockOnly) {
    EXPECT_EQ(TypeText(platform, "", target), SendOutcome::Completed);
    EXPECT_EQ(platform.trace(), (Trace{"fg #1", "caps?"})) << "Caps Lock off: no Caps events";

    RecordingPlatform capsOn;
    const WindowHandle window = capsOn.openWindow("Chat");
    capsOn.setCapsLock(true);
    SendKeySequence(capsOn, "", window);
    EXPECT_EQ(capsOn.trace(),
              (Trace{"fg #1", "fg #1", "caps?", "+Caps", "-Caps", "+Caps", "-Caps"}));
}

TEST_F(SendKeySequenceTest, CharactersWithoutAKeyAreTypedAsThemselves) {
    RecordingPlatform us(KeyboardLayout::US);
    const WindowHandle window = us.openWindow("Chat");
    // € and ä have no key there; 0x81 is no character, and stays out.
    SendKeySequence(us, "a\x80\xE4\x81z\x80", window);
    EXPECT_EQ(us.keys(), (Trace{"+[A]", "-[A]", "+<\x80>", "-<\x80>", "+<\xE4>", "-<\xE4>", "+[Z]",
                                "-[Z]", "+<\x80>", "-<\x80>"}));
    EXPECT_EQ(us.received(window), "a\x80\xE4z\x80");
    // Announced once, before the first key; given back after the last.
    const Trace& trace = us.trace();
    EXPECT_EQ(std::count(trace.begin(), trace.end(), "prepare \x80\xE4"), 1);
    EXPECT_LT(std::find(trace.begin(), trace.end(), "prepare \x80\xE4"),
              std::find(trace.begin(), trace.end(), "+[A]"));
    EXPECT_EQ(trace.back(), "finish");
    // The pause precedes every character, left-out ones too.
    EXPECT_EQ(us.paused(), 6 * kKeystrokePause);
}

TEST_F(SendKeySequenceTest, DeadKeysAreNoKeysOfTheirCharacters) {
    // ^ would wait for the e and make it ê.
    SendKeySequence(platform, "^e \xE9", target);
    EXPECT_EQ(platform.keys(), (Trace{"+<^>", "-<^>", "+[E]", "-[E]", "+[Space]", "-[Space]",
                                      "+<\xE9>", "-<\xE9>"}));
    EXPECT_EQ(platform.received(target), "^e \xE9");
}

TEST_F(SendKeySequenceTest, ControlCharactersAreTypedThroughTheLayout) {
    // A line feed is Ctrl+Return to the layout; only Shift and AltGr are held.
    SendKeySequence(platform, "{ENTER}{TAB}{ESC}a\r\nb", target);
    EXPECT_EQ(platform.keys(),
              (Trace{"+[Return]", "-[Return]", "+[Tab]", "-[Tab]", "+[Esc]", "-[Esc]", "+[A]",
                     "-[A]", "+[Return]", "-[Return]", "+[Return]", "-[Return]", "+[B]", "-[B]"}));
}

TEST_F(SendKeySequenceTest, GroupsArePerformedWithoutPauses) {
    SendKeySequence(platform, "{ALTDOWN}{CTRLDOWN}q{ALTUP}{CTRLUP}", target);
    // Each group and the run activate the target first; only the character has a pause.
    EXPECT_EQ(platform.trace(),
              (Trace{"fg #1", "fg #1", "+Alt", "fg #1", "+Ctrl", "fg #1", "caps?", "pause", "fg #1",
                     "scan q", "+[Q]", "-[Q]", "fg #1", "-Alt", "fg #1", "-Ctrl"}));
    EXPECT_EQ(platform.received(target), "@");
}

TEST_F(SendKeySequenceTest, ShiftOfATypedCharacterAlsoEndsAHeldShift) {
    SendKeySequence(platform, "{SHIFTDOWN}aB{SHIFTUP}", target);
    EXPECT_EQ(platform.keys(),
              (Trace{"+Shift", "+[A]", "-[A]", "+Shift", "+[B]", "-[B]", "-Shift", "-Shift"}));
    EXPECT_EQ(platform.received(target), "AB");
}

TEST_F(SendKeySequenceTest, UnreleasedModifierStaysDown) {
    EXPECT_EQ(SendKeySequence(platform, "{ALTDOWN}x", target), SendOutcome::Completed);
    EXPECT_TRUE(platform.isDown(18));
    EXPECT_EQ(platform.keys(), (Trace{"+Alt", "+[X]", "-[X]"}));
}

TEST_F(SendKeySequenceTest, AltGrCharactersAreTypedWithCtrlAndAltHeldAndEndHeldOnes) {
    SendKeySequence(platform, "\\\x80\xB2", target); // backslash, €, ²
    EXPECT_EQ(platform.keys(), (Trace{"+Alt", "+Ctrl", "+[0xDB]", "-[0xDB]", "-Alt", "-Ctrl", //
                                      "+Alt", "+Ctrl", "+[E]", "-[E]", "-Alt", "-Ctrl",       //
                                      "+Alt", "+Ctrl", "+[2]", "-[2]", "-Alt", "-Ctrl"}));
    SendKeySequence(platform, "{CTRLDOWN}{ALTDOWN}\x80x", target);
    EXPECT_FALSE(platform.isDown(17));
    EXPECT_FALSE(platform.isDown(18));
    EXPECT_EQ(platform.received(target), "\\\x80\xB2\x80x");
}

TEST_F(SendKeySequenceTest, StopsWhenTheFocusCannotBeHadAndReleasesWhatItHolds) {
    platform.setCapsLock(true);
    platform.onCall([&](const std::string& entry) {
        if (entry == "scan b") {
            platform.refuseFocus(target);
        }
    });
    EXPECT_EQ(SendKeySequence(platform, "{SHIFTDOWN}{CTRLDOWN}abc{F1}", target),
              SendOutcome::FocusLost);
    const Trace& trace = platform.trace();
    const auto failed = std::find(trace.begin(), trace.end(), "fg #1 failed");
    ASSERT_NE(failed, trace.end());
    EXPECT_EQ(Trace(failed + 1, trace.end()), (Trace{"+Caps", "-Caps", "-Ctrl", "-Shift"}));
    EXPECT_FALSE(platform.isDown(16));
    EXPECT_FALSE(platform.isDown(17));
    EXPECT_TRUE(platform.capsLock());
}

TEST_F(SendKeySequenceTest, CharactersWithoutAKeyAreGivenBackWhenTypingStops) {
    platform.onCall([&](const std::string& entry) {
        if (entry == "scan b") {
            platform.refuseFocus(target);
        }
    });
    EXPECT_EQ(SendKeySequence(platform, "\xE9{SHIFTDOWN}ab\xE8", target), SendOutcome::FocusLost);
    const Trace& trace = platform.trace();
    EXPECT_EQ(trace.front(), "fg #1");
    EXPECT_EQ(trace[1], "prepare \xE9\xE8");
    EXPECT_EQ(Trace(trace.end() - 2, trace.end()), (Trace{"-Shift", "finish"}));
    EXPECT_EQ(platform.received(target), "\xE9"
                                         "AB");
}

TEST_F(SendKeySequenceTest, NothingIsTypedWithoutTheWindow) {
    EXPECT_EQ(SendKeySequence(platform, "abc{F1}", kNullWindow), SendOutcome::FocusLost);
    EXPECT_EQ(platform.trace(), Trace{"fg #0 failed"});
}

// The user may still hold the modifiers of the shortcut that sent.
TEST_F(SendKeySequenceTest, TypingWaitsUntilTheUserLetsGoOfTheModifiers) {
    platform.holdModifier(18, std::chrono::milliseconds(300));
    platform.holdModifier(16, std::chrono::milliseconds(200));
    EXPECT_EQ(SendKeySequence(platform, "{CTRLDOWN}x{CTRLUP} ok", target), SendOutcome::Completed);
    EXPECT_EQ(platform.received(target), "\x18 ok");
    EXPECT_EQ(platform.keys(), (Trace{"+Ctrl", "+[X]", "-[X]", "-Ctrl", "+[Space]", "-[Space]",
                                      "+[O]", "-[O]", "+[K]", "-[K]"}))
        << "nothing is let go for the user, nor pressed again";
    // No key before the user let go: the pauses before it are the wait's.
    const Trace& trace = platform.trace();
    const auto firstKey = std::find(trace.begin(), trace.end(), "+Ctrl");
    EXPECT_EQ(std::count(trace.begin(), firstKey, "pause"), 300 / kUserModifierPoll.count());
}

TEST_F(SendKeySequenceTest, ModifiersStillHeldAfterTheWaitAreLetGo) {
    platform.holdModifier(18, std::chrono::seconds(10));
    platform.holdModifier(17, std::chrono::seconds(10));
    EXPECT_EQ(TypeText(platform, "ja", target), SendOutcome::Completed);
    EXPECT_EQ(platform.received(target), "ja");
    EXPECT_EQ(platform.keys(), (Trace{"-Alt", "-Ctrl", "+[J]", "-[J]", "+[A]", "-[A]"}));
    EXPECT_EQ(platform.paused(), kUserModifierWait + 2 * kKeystrokePause);
}

} // namespace
