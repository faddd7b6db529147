#include "sending/FindTargetWindow.h"
#include "sending/SendKeySequence.h"
#include "sending/SendPreviewText.h"
#include "support/x11/X11Desk.h"

#include <gtest/gtest.h>

namespace {

const std::string kCaption = "Schnapsen - Chat";

TEST(X11Typing, UsLayoutTypesPunctuationExactly) {
    X11Desk desk("us");
    ChatTargetWindow chat(desk.display, kCaption);

    EXPECT_EQ(SendPreviewText(*desk.platform, kCaption, "Hello, World! 1+1=2 (ok)?", false),
              SendResult::Sent);
    EXPECT_EQ(chat.waitForText("Hello, World! 1+1=2 (ok)?"), "Hello, World! 1+1=2 (ok)?");
}

TEST(X11Typing, GermanLayoutTypesAltGrCharactersUmlautsAndEnter) {
    // The backend starts on another layout and must follow the switch.
    X11Desk desk("us");
    desk.display.setKeyboardLayout("de");
    ChatTargetWindow chat(desk.display, kCaption);

    // Through the escape table: Ctrl+Alt held around the base keys.
    EXPECT_EQ(SendPreviewText(*desk.platform, kCaption, "a@b {x} [y] ~|", false), SendResult::Sent);
    EXPECT_EQ(chat.waitForText("a@b {x} [y] ~|"), "a@b {x} [y] ~|");

    // Through the layout: umlauts, and € \ µ at level 3.
    EXPECT_EQ(SendPreviewText(*desk.platform, kCaption,
                              " Gr\xFC\xDF"
                              "e \xE4\xF6\xFC\xDF \xC4\xD6\xDC \x80 \\ \xB5",
                              true),
              SendResult::Sent);
    const std::string expected = "a@b {x} [y] ~| Grüße äöüß ÄÖÜ € \\ µ\n";
    EXPECT_EQ(chat.waitForText(expected), expected);
}

TEST(X11Typing, CapsLockOnTypesTheCaseWrittenAndStaysOn) {
    X11Desk desk("de");
    ChatTargetWindow chat(desk.display, kCaption);
    desk.probe.setCapsLock(true);

    EXPECT_EQ(SendPreviewText(*desk.platform, kCaption, "Hallo WELT \xE4\xC4 ok!", false),
              SendResult::Sent);
    EXPECT_EQ(chat.waitForText("Hallo WELT äÄ ok!"), "Hallo WELT äÄ ok!");
    EXPECT_TRUE(desk.probe.capsLockOn());
}

TEST(X11Typing, NamedKeysAndTheKeypadReachTheTarget) {
    X11Desk desk("de");
    ChatTargetWindow chat(desk.display, kCaption);
    const WindowHandle target = FindTargetWindow(*desk.platform, kCaption);
    ASSERT_NE(target, kNullWindow);

    // The keypad types digits whether Num Lock is off (as Xvfb starts) or on.
    EXPECT_EQ(SendKeySequence(*desk.platform, "{NUM1}{NUM+}{NUM2}{NUMLOCK}{NUM3}{NUM*}", target),
              SendOutcome::Completed);
    EXPECT_EQ(chat.waitForText("1+23*"), "1+23*");
    EXPECT_EQ(SendKeySequence(*desk.platform, "{HOME}ac{LEFT}b{END}{shift-x}", target),
              SendOutcome::Completed);
    EXPECT_EQ(chat.waitForText("abc1+23*X"), "abc1+23*X");
}

TEST(X11Typing, ModifierLeftDownByASequenceStaysDown) {
    X11Desk desk("us");
    ChatTargetWindow chat(desk.display, kCaption);
    const WindowHandle target = FindTargetWindow(*desk.platform, kCaption);
    ASSERT_NE(target, kNullWindow);

    EXPECT_EQ(SendKeySequence(*desk.platform, "{SHIFTDOWN}", target), SendOutcome::Completed);
    EXPECT_EQ(SendKeySequence(*desk.platform, "ab", target), SendOutcome::Completed);
    EXPECT_EQ(chat.waitForText("AB"), "AB");
}

} // namespace
