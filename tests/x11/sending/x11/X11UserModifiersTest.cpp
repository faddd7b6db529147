#include "sending/FindTargetWindow.h"
#include "sending/SendKeySequence.h"
#include "sending/SendPreviewText.h"
#include "support/x11/X11Desk.h"

#include <gtest/gtest.h>

#include <thread>

// The user may still hold Alt of Alt+S, the shortcut of Send, when typing begins. Held, it
// would turn the letters into Alt+letters and the blank into Alt+Space, which opens the
// window manager's window menu.

namespace {

const std::string kCaption = "Schnapsen - Chat";

class X11UserModifiers : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(X11Probe::waitUntil([&] { return desk.probe.wmState(chat.window()) == 1; },
                                        std::chrono::seconds(10)));
        popups = desk.probe.popupsShown();
    }

    X11Desk desk{"de", true};
    ChatTargetWindow chat{desk.display, kCaption};
    // Shown before the send (a toolkit's own); a menu would add one.
    int popups = 0;
};

TEST_F(X11UserModifiers, TypingWaitsUntilTheUserLetsGoOfAlt) {
    desk.probe.holdKey("Alt_L", true);
    ASSERT_TRUE(desk.platform->userHoldsModifiers());
    std::thread user([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        X11Probe(desk.display.name()).holdKey("Alt_L", false);
    });
    const SendResult result = SendPreviewText(*desk.platform, kCaption,
                                              "Gl\xFC"
                                              "ck im Spiel, Pech in der Liebe. ",
                                              false);
    user.join();
    EXPECT_EQ(result, SendResult::Sent);
    EXPECT_EQ(chat.waitForText("Glück im Spiel, Pech in der Liebe. "),
              "Glück im Spiel, Pech in der Liebe. ");
    EXPECT_EQ(desk.probe.popupsShown(), popups);
}

TEST_F(X11UserModifiers, AltStillHeldAfterTheWaitIsLetGo) {
    desk.probe.holdKey("Alt_L", true);
    EXPECT_EQ(SendPreviewText(*desk.platform, kCaption, "Servus beisammen", true),
              SendResult::Sent);
    EXPECT_EQ(chat.waitForText("Servus beisammen\n"), "Servus beisammen\n");
    EXPECT_FALSE(desk.probe.keyDown("Alt_L"));
    EXPECT_EQ(desk.probe.popupsShown(), popups);
}

TEST_F(X11UserModifiers, ModifiersOfAnEarlierSequenceAreNotTheUsers) {
    const WindowHandle target = FindTargetWindow(*desk.platform, kCaption);
    EXPECT_EQ(SendKeySequence(*desk.platform, "{SHIFTDOWN}", target), SendOutcome::Completed);
    EXPECT_TRUE(desk.probe.keyDown("Shift_L"));
    EXPECT_FALSE(desk.platform->userHoldsModifiers());
    EXPECT_EQ(SendKeySequence(*desk.platform, "ab{SHIFTUP}c", target), SendOutcome::Completed);
    EXPECT_EQ(chat.waitForText("ABc"), "ABc");
}

} // namespace
