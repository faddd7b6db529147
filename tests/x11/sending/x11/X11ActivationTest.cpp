#include "sending/SendPreviewText.h"
#include "support/x11/X11Desk.h"

#include <gtest/gtest.h>

// Under a window manager: activation goes through it (EWMH), and a minimised target comes
// back before it is typed into.

namespace {

// The chat window behind another one, which has the focus.
class ChatBehindNotes : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(X11Probe::waitUntil([&] { return desk.probe.focus() == notes.window(); },
                                        std::chrono::seconds(10)));
    }

    X11Desk desk{"de", true};
    ChatTargetWindow chat{desk.display, "Schnapsen - Chat"};
    ChatTargetWindow notes{desk.display, "Notizen"};
};

TEST_F(ChatBehindNotes, TypesIntoTheTargetBehindAnotherWindow) {
    EXPECT_EQ(SendPreviewText(*desk.platform, "schnapsen", "Servus {alle}", true),
              SendResult::Sent);
    EXPECT_EQ(chat.waitForText("Servus {alle}\n"), "Servus {alle}\n");
    EXPECT_EQ(desk.probe.focus(), chat.window());
    EXPECT_EQ(notes.text(), "");
}

TEST(X11WindowManagerActivation, MinimisedTargetIsRestoredAndTypedInto) {
    X11Desk desk("us", true);
    ChatTargetWindow notes(desk.display, "Notizen");
    ChatTargetWindow chat(desk.display, "Schnapsen - Chat", ChatTargetWindow::Start::Minimized);
    ASSERT_TRUE(X11Probe::waitUntil([&] { return desk.probe.wmState(chat.window()) == 3; },
                                    std::chrono::seconds(10)));

    EXPECT_EQ(SendPreviewText(*desk.platform, "Schnapsen - Chat", "gg", false), SendResult::Sent);
    EXPECT_EQ(chat.waitForText("gg"), "gg");
    EXPECT_EQ(desk.probe.wmState(chat.window()), 1);
    EXPECT_EQ(notes.text(), "");
}

TEST_F(ChatBehindNotes, TargetThatHangsGetsTheKeysWhenItWakes) {
    // It cannot answer the ping that follows the focus; the wait for it is bounded.
    chat.freeze();
    const auto result = SendPreviewText(*desk.platform, "Schnapsen - Chat", "bin gleich da", false);
    chat.thaw();
    EXPECT_EQ(result, SendResult::Sent);
    EXPECT_EQ(chat.waitForText("bin gleich da"), "bin gleich da");
    EXPECT_EQ(notes.text(), "");
}

} // namespace
