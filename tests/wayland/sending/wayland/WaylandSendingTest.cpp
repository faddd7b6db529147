// Sending into real windows of a headless compositor: sway (wlroots) or KWin, as the build
// of this file says. The cases that only KWin has are in KWinSendingTest.cpp.
#include "WaylandSendingFixture.h"

#include "sending/FindTargetWindow.h"
#include "sending/SendKeySequence.h"
#include "sending/SendPreviewText.h"
#include "support/wayland/ForwardingPlatform.h"

#include <thread>

std::unique_ptr<WaylandSession> WaylandSendingTest::session_;
std::vector<std::unique_ptr<WaylandTarget>> WaylandSendingTest::targets_;
std::unique_ptr<SendingPlatform> WaylandSendingTest::platform_;

namespace {

// What the German layout that KWin runs with has no key and no composition for.
const std::string kNotOnGermanLayout = "\x83\x85\x86\x87\x88\x89\x8A\x8C\x8E\x95\x98\x9A\x9C"
                                       "\x9E\x9F\xA0\xA6\xAD\xBE\xC3\xD1\xD5\xE3\xF1\xF5";

std::string without(std::string text, const std::string& characters) {
    std::erase_if(text, [&](char c) { return characters.find(c) != std::string::npos; });
    return text;
}

} // namespace

// Declared first: gtest runs a suite's cases in order, and only the first send meets a seat
// that had no keyboard before ours (sway here). Clients make their keyboard only when the
// seat announces one, so keys sent at once would be lost: the send waits for that.
TEST_F(WaylandSendingTest, TheFirstSendOfANewKeyboardArrivesWholeWithItsEnter) {
    // Shown last, so it has the focus already and the send types at once.
    WaylandChatTarget first(*session_, "Chat Erster", TargetPlatform::XWayland);
    ASSERT_EQ(platform_, nullptr) << "not the first case";
    ASSERT_EQ(SendPreviewText(platform(), "Chat Erster", "Erster", true), SendResult::Sent);
    EXPECT_EQ(first.waitForText("Erster\n"), "Erster\n");
}

TEST_F(WaylandSendingTest, FindsTheTargetByExactCaptionAndByCaptionPrefix) {
    const std::string before = target(1).text();
    ASSERT_EQ(SendPreviewText(platform(), "Chat XWayland", "genau ", false), SendResult::Sent);
    EXPECT_EQ(target(1).waitForText(before + "genau "), before + "genau ");
    // A prefix in other letter case finds the XWayland window, not the native one.
    const std::string native = target(0).text();
    ASSERT_EQ(SendPreviewText(platform(), "chat xw", "Anfang", false), SendResult::Sent);
    EXPECT_EQ(target(1).waitForText(before + "genau Anfang"), before + "genau Anfang");
    EXPECT_EQ(target(0).text(), native);
    // And one in Chromium under XWayland.
    const std::string page = target(3).text();
    ASSERT_EQ(SendPreviewText(platform(), "SEITE X", "x11", false), SendResult::Sent);
    EXPECT_EQ(target(3).waitForText(page + "x11"), page + "x11");
}

TEST_F(WaylandSendingTest, EveryPrintableCp1252CharacterArrivesInEveryTarget) {
    const std::string text = everyPrintableCp1252();
    const std::string typeable =
        kCompositor == Compositor::KWin ? without(text, kNotOnGermanLayout) : text;
    for (std::size_t i = 0; i < targets_.size(); ++i) {
        SCOPED_TRACE(target(i).caption());
        const std::string before = target(i).text();
        const WindowHandle window = FindTargetWindow(platform(), target(i).caption());
        ASSERT_NE(window, kNullWindow);
        ASSERT_EQ(TypeText(platform(), text, window), SendOutcome::Completed);
        const std::string expected = before + cp1252ToUtf8(typeable);
        EXPECT_EQ(target(i).waitForText(expected), expected);
        // What could not be typed is told, each character once; nothing else is lost.
        EXPECT_EQ(platform().takeUntypedCharacters(),
                  kCompositor == Compositor::KWin ? kNotOnGermanLayout : "");
    }
}

TEST_F(WaylandSendingTest, AutoEnterTypesAnEnterIntoEveryTarget) {
    for (std::size_t i = 0; i < targets_.size(); ++i) {
        SCOPED_TRACE(target(i).caption());
        const std::string before = target(i).text();
        ASSERT_EQ(SendPreviewText(platform(), target(i).caption(), "Zeile", true),
                  SendResult::Sent);
        EXPECT_EQ(target(i).waitForText(before + "Zeile\n"), before + "Zeile\n");
    }
}

TEST_F(WaylandSendingTest, ModifiersHeldByTheSequenceReachTheTarget) {
    // Ctrl+A selects everything, which the text then replaces; without the modifier state
    // reaching the target, "a" would be typed.
    for (std::size_t i = 0; i < targets_.size(); ++i) {
        SCOPED_TRACE(target(i).caption());
        const WindowHandle window = FindTargetWindow(platform(), target(i).caption());
        ASSERT_NE(window, kNullWindow);
        ASSERT_EQ(SendKeySequence(platform(), "{CTRLDOWN}a{CTRLUP}neu", window),
                  SendOutcome::Completed);
        EXPECT_EQ(target(i).waitForText("neu"), "neu");
    }
}

TEST_F(WaylandSendingTest, ATargetClosedBetweenTheLookupsGetsNothing) {
    WaylandChatTarget leaving(*session_, "Chat Weg", TargetPlatform::Native);
    WaylandWindowList windows(*session_);
    std::vector<std::string> before;
    for (const auto& t : targets_) {
        before.push_back(t->text());
    }
    ForwardingPlatform forwarding(platform());
    bool closed = false;
    forwarding.onRestore = [&] {
        if (!closed) {
            closed = true;
            leaving.close();
            ASSERT_TRUE(windows.waitFor("Chat Weg", false));
        }
    };
    EXPECT_EQ(SendPreviewText(forwarding, "Chat Weg", "verloren", true), SendResult::TargetMissing);
    EXPECT_TRUE(closed);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    for (std::size_t i = 0; i < targets_.size(); ++i) {
        EXPECT_EQ(target(i).text(), before[i]) << target(i).caption();
    }
}

TEST_F(WaylandSendingTest, ACompositorThatGoesAwayMidSendEndsTheSendNotTheProgram) {
    auto session = std::make_unique<WaylandSession>(kCompositor);
    WaylandChatTarget chat(*session, "Chat Kurz", TargetPlatform::Native);
    auto inner = createWaylandPlatform(kCompositor == Compositor::KWin ? WaylandDesktop::KWin
                                                                       : WaylandDesktop::Wlroots,
                                       session->socket());
    ASSERT_NE(inner, nullptr);
    ForwardingPlatform forwarding(*inner);
    int restores = 0;
    forwarding.onRestore = [&] {
        // After the second lookup, before the first key.
        if (++restores == 2) {
            session.reset();
        }
    };
    EXPECT_EQ(SendPreviewText(forwarding, "Chat Kurz", "weg", false), SendResult::FocusLost);
    // And afterwards no window is there.
    EXPECT_EQ(SendPreviewText(forwarding, "Chat Kurz", "weg", false), SendResult::TargetMissing);
}
