#include "sending/FindTargetWindow.h"
#include "sending/SendKeySequence.h"
#include "sending/SendPreviewText.h"
#include "support/x11/X11Desk.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

WindowHandle handle(const ChatTargetWindow& chat) {
    return static_cast<WindowHandle>(chat.window());
}

std::vector<WindowHandle> enumerated(SendingPlatform& platform) {
    std::vector<WindowHandle> windows;
    platform.forEachTopLevelWindow([&](WindowHandle window) {
        windows.push_back(window);
        return true;
    });
    return windows;
}

TEST(X11WindowLookup, ExactCaptionThenPrefixTopmostFirst) {
    X11Desk desk("us");
    ChatTargetWindow first(desk.display, "Schnapsen - Chat 1");
    ChatTargetWindow second(desk.display, "Schnapsen - Chat 2");
    ChatTargetWindow hidden(desk.display, "Versteckt", ChatTargetWindow::Start::Hidden);

    EXPECT_EQ(desk.platform->findWindowByCaption("schnapsen - CHAT 1"), handle(first));
    EXPECT_EQ(desk.platform->findWindowByCaption("Schnapsen - Chat"), kNullWindow);
    // The window mapped last lies on top, so the prefix finds it first.
    EXPECT_EQ(FindTargetWindow(*desk.platform, "schnapsen - chat"), handle(second));
    desk.probe.raise(first.window());
    EXPECT_EQ(FindTargetWindow(*desk.platform, "SCHNAPSEN"), handle(first));
    // Hidden windows count too.
    EXPECT_EQ(FindTargetWindow(*desk.platform, "Verst"), handle(hidden));

    const std::vector<WindowHandle> windows = enumerated(*desk.platform);
    const auto position = [&](WindowHandle w) {
        return std::find(windows.begin(), windows.end(), w) - windows.begin();
    };
    ASSERT_LT(position(handle(second)), static_cast<long>(windows.size()));
    EXPECT_LT(position(handle(first)), position(handle(second)));
}

TEST(X11WindowLookup, CaptionsArriveInCp1252) {
    X11Desk desk("de");
    ChatTargetWindow chat(desk.display, "Grüße – Spiel €");

    EXPECT_EQ(desk.platform->windowCaption(handle(chat)), "Gr\xFC\xDF"
                                                          "e \x96 Spiel \x80");
    EXPECT_EQ(desk.platform->findWindowByCaption("GR\xDC\xDF"
                                                 "E \x96 SPIEL \x80"),
              handle(chat));
    EXPECT_EQ(FindTargetWindow(*desk.platform, "Gr\xFC\xDF"
                                               "e"),
              handle(chat));
}

TEST(X11WindowLookup, ClientInsideAWindowManagerFrameIsTheWindow) {
    X11Desk desk("us", true);
    ChatTargetWindow chat(desk.display, "Schnapsen - Chat");
    ASSERT_TRUE(X11Probe::waitUntil([&] { return desk.probe.wmState(chat.window()) == 1; },
                                    std::chrono::seconds(10)));

    EXPECT_EQ(desk.platform->findWindowByCaption("Schnapsen - Chat"), handle(chat));
    EXPECT_EQ(FindTargetWindow(*desk.platform, "Schnapsen"), handle(chat));
}

TEST(X11WindowLookup, VanishedWindowIsNoWindowAndNoCrash) {
    X11Desk desk("us");
    std::optional<ChatTargetWindow> chat(std::in_place, desk.display, "Schnapsen - Chat");
    const WindowHandle gone = handle(*chat);
    ASSERT_EQ(FindTargetWindow(*desk.platform, "Schnapsen"), gone);
    chat.reset();
    ASSERT_TRUE(X11Probe::waitUntil(
        [&] { return !desk.probe.findWindowByCaptionPrefix("Schnapsen").has_value(); },
        std::chrono::seconds(10)));

    EXPECT_EQ(desk.platform->windowCaption(gone), "");
    desk.platform->sendSystemCommand(gone, SystemCommand::Hotkey);
    desk.platform->sendSystemCommand(gone, SystemCommand::Restore);
    EXPECT_FALSE(desk.platform->bringToForeground(gone));
    EXPECT_EQ(SendKeySequence(*desk.platform, "abc", gone), SendOutcome::FocusLost);
    EXPECT_EQ(SendPreviewText(*desk.platform, "Schnapsen", "abc", false),
              SendResult::TargetMissing);
    // An id that never named a window.
    EXPECT_EQ(desk.platform->windowCaption(static_cast<WindowHandle>(0x7FFFFF)), "");
    EXPECT_FALSE(desk.platform->bringToForeground(static_cast<WindowHandle>(0x7FFFFF)));
}

TEST(X11WindowLookup, HiddenTargetGetsNoKeystrokesAndNoOtherWindowDoes) {
    X11Desk desk("us");
    ChatTargetWindow hidden(desk.display, "Versteckt", ChatTargetWindow::Start::Hidden);
    ChatTargetWindow other(desk.display, "Notizen");
    desk.probe.focusWindow(other.window());

    EXPECT_EQ(SendPreviewText(*desk.platform, "Versteckt", "abc", true), SendResult::FocusLost);
    // Give stray keystrokes the time to arrive before looking.
    EXPECT_EQ(SendPreviewText(*desk.platform, "Notizen", "x", false), SendResult::Sent);
    EXPECT_EQ(other.waitForText("x"), "x");
}

} // namespace
