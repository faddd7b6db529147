#include "sending/win32/Win32Platform.h"
#include "sending/FindTargetWindow.h"
#include "sending/SendKeySequence.h"
#include "sending/SendPreviewText.h"
#include "support/wine/TargetWindow.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

enum class Layout { Us, German };

// The X keyboard map that run-in-wine.sh loaded for this run.
Layout currentLayout() {
    const char* layout = std::getenv("QUIP_KEYBOARD_LAYOUT");
    if (layout != nullptr && std::string(layout) == "de") {
        return Layout::German;
    }
    if (layout != nullptr && std::string(layout) == "us") {
        return Layout::Us;
    }
    throw std::runtime_error("QUIP_KEYBOARD_LAYOUT must be us or de");
}

class Win32Sending : public ::testing::Test {
protected:
    std::unique_ptr<SendingPlatform> platform = createWin32Platform();
};

TEST_F(Win32Sending, TypesThePreviewIntoTheWindowOfTheExactCaption) {
    TargetWindow other("Quip Zielfenster und mehr");
    TargetWindow target("Quip Zielfenster");
    EXPECT_EQ(SendPreviewText(*platform, "Quip Zielfenster", "Hello, World! Ab9", false),
              SendResult::Sent);
    EXPECT_EQ(target.received(*platform), "Hello, World! Ab9");
    EXPECT_EQ(other.text(), "");
    // The exact lookup ignores case like FindWindowA.
    EXPECT_EQ(FindTargetWindow(*platform, "QUIP ZIELFENSTER"), target.handle());
}

TEST_F(Win32Sending, FindsTheWindowByAPrefixOfItsCaptionInAnyCase) {
    TargetWindow target("Quip Zielfenster - Kartenspiel");
    EXPECT_EQ(SendPreviewText(*platform, "quip ZIELFENSTER", "Ab9", true), SendResult::Sent);
    EXPECT_EQ(target.received(*platform), "Ab9\r\n");
}

// Puts the window on top of the others without activating it.
void raise(const TargetWindow& target) {
    SetWindowPos(target.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

TEST_F(Win32Sending, PrefixLookupTakesTheFrontmostMatch) {
    TargetWindow first("Quip Ziel Eins");
    TargetWindow second("Quip Ziel Zwei");
    raise(first);
    EXPECT_EQ(SendPreviewText(*platform, "quip ziel", "1", false), SendResult::Sent);
    EXPECT_EQ(first.received(*platform), "1");
    raise(second);
    EXPECT_EQ(SendPreviewText(*platform, "quip ziel", "2", false), SendResult::Sent);
    EXPECT_EQ(second.received(*platform), "2");
    EXPECT_EQ(first.text(), "1");
}

TEST_F(Win32Sending, UmlautsOfATitlePrefixMatchOnlyInTheirCase) {
    TargetWindow target("Quip \xDC"
                        "bungsfenster"); // Übungsfenster
    EXPECT_EQ(FindTargetWindow(*platform, "quip \xFC"
                                          "bungsfenster"),
              target.handle());
    EXPECT_EQ(FindTargetWindow(*platform, "QUIP \xDC"
                                          "BUNG"),
              target.handle());
    EXPECT_EQ(FindTargetWindow(*platform, "quip \xFC"
                                          "bung"),
              kNullWindow);
}

TEST_F(Win32Sending, MissingWindowGetsNoKeys) {
    TargetWindow target("Quip Zielfenster");
    EXPECT_EQ(SendPreviewText(*platform, "Quip Fenster, das es nicht gibt", "x", false),
              SendResult::TargetMissing);
    EXPECT_EQ(target.received(*platform), "");
}

TEST_F(Win32Sending, RestoresAMinimisedWindow) {
    TargetWindow target("Quip Zielfenster");
    ShowWindow(target.hwnd(), SW_MINIMIZE);
    ASSERT_TRUE(waitFor([&] { return IsIconic(target.hwnd()) != FALSE; }));
    EXPECT_EQ(SendPreviewText(*platform, "Quip Zielfenster", "Ab9", false), SendResult::Sent);
    EXPECT_FALSE(IsIconic(target.hwnd()));
    EXPECT_EQ(target.received(*platform), "Ab9");
}

TEST_F(Win32Sending, TypesWhatTheLayoutHasKeysFor) {
    TargetWindow target("Quip Zielfenster");
    EXPECT_EQ(SendPreviewText(*platform, "Quip Zielfenster",
                              "Gr\xFC\xDF"
                              "e",
                              false),
              SendResult::Sent);
    // The US keyboard has no key for the umlaut and the sharp s: they are left out.
    EXPECT_EQ(target.received(*platform), currentLayout() == Layout::German ? "Gr\xFC\xDF"
                                                                              "e"
                                                                            : "Gre");
}

TEST_F(Win32Sending, NamedKeysAndHeldModifiersReachTheWindow) {
    TargetWindow target("Quip Zielfenster");
    // Tab, then two steps left and Delete take the tab out again.
    EXPECT_EQ(
        SendKeySequence(*platform, "a{TAB}b{LEFT}{LEFT}{DEL}{END}{SHIFT-cd}e", target.handle()),
        SendOutcome::Completed);
    EXPECT_EQ(target.received(*platform), "abCDe");
}

TEST_F(Win32Sending, CapsLockLeavesTheCaseAsWrittenAndStaysOn) {
    TargetWindow target("Quip Zielfenster");
    ASSERT_TRUE(platform->bringToForeground(target.handle()));
    const auto toggleCapsLock = [&] {
        platform->injectKeyEvent(20, KeyDirection::Down, KeySource::VirtualKey);
        platform->injectKeyEvent(20, KeyDirection::Up, KeySource::VirtualKey);
    };
    toggleCapsLock();
    ASSERT_TRUE(waitFor([&] { return platform->capsLockOn(); }));
    EXPECT_EQ(SendPreviewText(*platform, "Quip Zielfenster", "Ab9", false), SendResult::Sent);
    const std::string received = target.received(*platform);
    const bool stillOn = platform->capsLockOn();
    toggleCapsLock();
    EXPECT_TRUE(waitFor([&] { return !platform->capsLockOn(); }));
    EXPECT_EQ(received, "Ab9");
    EXPECT_TRUE(stillOn);
}

TEST_F(Win32Sending, StopsWhenTheWindowIsGone) {
    auto target = std::make_unique<TargetWindow>("Quip Zielfenster");
    const WindowHandle gone = target->handle();
    EXPECT_TRUE(platform->bringToForeground(gone));
    target.reset();
    EXPECT_FALSE(platform->bringToForeground(gone));
    EXPECT_EQ(platform->windowCaption(gone), "");
    EXPECT_FALSE(platform->bringToForeground(kNullWindow));
    EXPECT_EQ(SendKeySequence(*platform, "abc", gone), SendOutcome::FocusLost);
}

TEST_F(Win32Sending, CaptionsAreReadUpTo79Bytes) {
    const std::string caption = "Quip " + std::string(95, 'x');
    TargetWindow target(caption);
    EXPECT_EQ(platform->windowCaption(target.handle()), caption.substr(0, 79));
    EXPECT_EQ(FindTargetWindow(*platform, caption), target.handle());
    EXPECT_EQ(FindTargetWindow(*platform, caption.substr(0, 79)), target.handle());
    // Longer titles are found only as the whole caption.
    EXPECT_EQ(FindTargetWindow(*platform, caption.substr(0, 80)), kNullWindow);
    EXPECT_EQ(platform->windowCaption(kNullWindow), "");
}

TEST_F(Win32Sending, EnumerationStopsWhenAskedAndPassesExceptionsOn) {
    TargetWindow target("Quip Zielfenster");
    int visited = 0;
    bool sawTarget = false;
    platform->forEachTopLevelWindow([&](WindowHandle window) {
        ++visited;
        sawTarget = sawTarget || window == target.handle();
        return true;
    });
    EXPECT_TRUE(sawTarget);
    EXPECT_GT(visited, 1);
    visited = 0;
    platform->forEachTopLevelWindow([&](WindowHandle) {
        ++visited;
        return false;
    });
    EXPECT_EQ(visited, 1);
    EXPECT_THROW(platform->forEachTopLevelWindow(
                     [](WindowHandle) -> bool { throw std::runtime_error("lookup failed"); }),
                 std::runtime_error);
    // A caption cannot hold a NUL byte, so no window has the caption of a title with one.
    EXPECT_EQ(platform->findWindowByCaption(std::string("Quip Zielfenster\0x", 18)), kNullWindow);
}

TEST_F(Win32Sending, LooksCharactersUpInTheKeyboardLayout) {
    if (currentLayout() == Layout::German) {
        EXPECT_EQ(platform->layoutKey('@'), 0x0651); // AltGr+Q
        EXPECT_EQ(platform->layoutKey('z'), 0x005A);
        const unsigned umlaut = platform->layoutKey(0xFC); // ü: a key of its own
        EXPECT_EQ(umlaut >> 8, 0U);
        EXPECT_NE(umlaut & 0xFF, 0xFFU);
    } else {
        EXPECT_EQ(platform->layoutKey('@'), 0x0132); // Shift+2
        EXPECT_EQ(platform->layoutKey(0xFC), 0xFFFF);
    }
    EXPECT_EQ(platform->layoutKey('\r'), 0x000D);
}

} // namespace
