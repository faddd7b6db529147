#include "SendKeySequence.h"
#include "RecordingPlatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Trace = std::vector<std::string>;

class SendKeySequenceTest : public ::testing::Test {
protected:
    // The trace without the queries and activations: what the target's input sees.
    Trace inputEvents() const {
        Trace events;
        for (const std::string& e : platform.trace()) {
            if (e[0] == '+' || e[0] == '-' || e == "pause") {
                events.push_back(e);
            }
        }
        return events;
    }
    long activations() const {
        const Trace& t = platform.trace();
        return std::count_if(t.begin(), t.end(),
                             [](const std::string& e) { return e.rfind("fg ", 0) == 0; });
    }

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

TEST_F(SendKeySequenceTest, CapsLockOffSendsNoCapsEvents) {
    EXPECT_EQ(SendKeySequence(platform, "Ab", target), SendOutcome::Completed);
    EXPECT_EQ(platform.keys(), (Trace{"+Shift", "+[A]", "-[A]", "-Shift", "+[B]", "-[B]"}));
    EXPECT_EQ(platform.received(target), "Ab");
}

TEST_F(SendKeySequenceTest, EmptyRunsActivateAndToggleCapsLockOnly) {
    EXPECT_EQ(TypeText(platform, "", target), SendOutcome::Completed);
    EXPECT_EQ(platform.trace(), (Trace{"fg #1", "caps?"}));

    RecordingPlatform capsOn;
    const WindowHandle window = capsOn.openWindow("Chat");
    capsOn.setCapsLock(true);
    SendKeySequence(capsOn, "", window);
    EXPECT_EQ(capsOn.trace(),
              (Trace{"fg #1", "fg #1", "caps?", "+Caps", "-Caps", "+Caps", "-Caps"}));
}

TEST_F(SendKeySequenceTest, CharactersWithoutAKeyAreSkipped) {
    RecordingPlatform us(KeyboardLayout::US);
    const WindowHandle window = us.openWindow("Chat");
    SendKeySequence(us, "a\x80\xE4z", window); // € and ä have no key there
    EXPECT_EQ(us.keys(), (Trace{"+[A]", "-[A]", "+[Z]", "-[Z]"}));
    EXPECT_EQ(us.received(window), "az");
    // The pause precedes every character, skipped ones too.
    EXPECT_EQ(us.paused(), 4 * KeystrokePause);
}

TEST_F(SendKeySequenceTest, ControlCharactersAreTypedThroughTheLayout) {
    SendKeySequence(platform, "{ENTER}{TAB}{ESC}", target);
    EXPECT_EQ(platform.keys(),
              (Trace{"+[Return]", "-[Return]", "+[Tab]", "-[Tab]", "+[Esc]", "-[Esc]"}));
    // A line feed is Ctrl+Return to the layout; only Shift and AltGr are held.
    RecordingPlatform lines;
    const WindowHandle window = lines.openWindow("Chat");
    SendKeySequence(lines, "a\r\nb", window);
    EXPECT_EQ(lines.keys(), (Trace{"+[A]", "-[A]", "+[Return]", "-[Return]", "+[Return]",
                                   "-[Return]", "+[B]", "-[B]"}));
}

TEST_F(SendKeySequenceTest, GroupsArePerformedWithoutPauses) {
    SendKeySequence(platform, "{ALTDOWN}{CTRLDOWN}q{ALTUP}{CTRLUP}", target);
    EXPECT_EQ(inputEvents(), (Trace{"+Alt", "+Ctrl", "pause", "+[Q]", "-[Q]", "-Alt", "-Ctrl"}));
    EXPECT_EQ(platform.received(target), "@");
    // The entry, four groups and the run with its one character.
    EXPECT_EQ(activations(), 7);
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

TEST_F(SendKeySequenceTest, AltGrCharactersAreTypedWithCtrlAndAltHeld) {
    SendKeySequence(platform, "\\\x80\xB2", target); // backslash, €, ²
    EXPECT_EQ(platform.keys(), (Trace{"+Ctrl", "+Alt", "+[0xDB]", "-[0xDB]", "-Alt", "-Ctrl", //
                                      "+Ctrl", "+Alt", "+[E]", "-[E]", "-Alt", "-Ctrl",       //
                                      "+Ctrl", "+Alt", "+[2]", "-[2]", "-Alt", "-Ctrl"}));
    EXPECT_EQ(platform.received(target), "\\\x80\xB2");
}

TEST_F(SendKeySequenceTest, AltGrKeyUpsEndHeldCtrlAndAlt) {
    SendKeySequence(platform, "{CTRLDOWN}{ALTDOWN}\x80x", target);
    EXPECT_FALSE(platform.isDown(17));
    EXPECT_FALSE(platform.isDown(18));
    EXPECT_EQ(platform.received(target), "\x80x");
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

TEST_F(SendKeySequenceTest, NothingIsTypedWithoutTheWindow) {
    EXPECT_EQ(SendKeySequence(platform, "abc{F1}", NullWindow), SendOutcome::FocusLost);
    EXPECT_EQ(platform.trace(), Trace{"fg #0 failed"});
}

} // namespace
