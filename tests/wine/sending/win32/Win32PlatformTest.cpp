#include "sending/win32/Win32Platform.h"
#include "sending/FindTargetWindow.h"
#include "sending/SendKeySequence.h"
#include "sending/SendPreviewText.h"
#include "support/sending/TypedTexts.h"
#include "support/wine/TargetWindow.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>

namespace {

enum class Layout { Us, German, SwissGerman, French };

// The X keyboard map that run-in-wine.sh loaded for this run.
Layout currentLayout() {
    const char* variable = std::getenv("QUIP_KEYBOARD_LAYOUT");
    const std::string layout = variable != nullptr ? variable : "";
    if (layout == "de") {
        return Layout::German;
    }
    if (layout == "ch") {
        return Layout::SwissGerman;
    }
    if (layout == "fr") {
        return Layout::French;
    }
    if (layout == "us") {
        return Layout::Us;
    }
    throw std::runtime_error("QUIP_KEYBOARD_LAYOUT must be us, de, ch or fr");
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

// Wine (8.0) carries Unicode input (KEYEVENTF_UNICODE) through for Latin-1, but turns the
// characters that cp1252 has beyond it (€, the quotes and dashes, ...) into their nearest
// ISO-8859-1 character or "?" (the code page of the Unix locale it runs in), and crashes on
// some of them (ˆ). Nor does it turn Ctrl and Alt into AltGr: the characters that the layout
// types with AltGr come out of Ctrl+Alt on their keys on Windows only. So under Wine the text
// is every printable character but those two kinds.
std::string typedUnderWine(SendingPlatform& platform, const std::string& text) {
    std::string typed;
    for (const char c : text) {
        const auto character = static_cast<unsigned char>(c);
        const unsigned key = platform.layoutKey(character);
        const bool altGr = key != 0xFFFF && ((key >> 8) & 6) == 6;
        const bool beyondLatin1 = character >= 0x80 && character < 0xA0;
        if (!altGr && !beyondLatin1) {
            typed += c;
        }
    }
    return typed;
}

TEST_F(Win32Sending, TypesCharactersWithoutAKeyAsUnicode) {
    TargetWindow target("Quip Zielfenster");
    // The US keyboard has no key for the umlaut and the sharp s, the German one none for é,
    // and ^ is a dead key on the others.
    const std::string text = typedUnderWine(*platform, "Gr\xFC\xDF"
                                                       "e \xE9t\xE9 2^3 ^e \xE0 la cr\xE8me");
    EXPECT_GE(text.size(), 20U);
    EXPECT_EQ(SendPreviewText(*platform, "Quip Zielfenster", text, false), SendResult::Sent);
    EXPECT_EQ(target.received(*platform), text);
}

TEST_F(Win32Sending, EveryPrintableCharacterArrives) {
    TargetWindow target("Quip Zielfenster");
    const std::string text = typedUnderWine(*platform, everyPrintableCp1252());
    EXPECT_EQ(SendPreviewText(*platform, "Quip Zielfenster", text, true), SendResult::Sent);
    EXPECT_EQ(target.received(*platform), text + "\r\n");
}

// The user still holds Alt of the shortcut that sent: typing waits until it is let go, or
// lets go of it after the wait. Held, it would make every letter an Alt+letter.
TEST_F(Win32Sending, WaitsForTheUsersModifiersOrLetsGoOfThem) {
    TargetWindow target("Quip Zielfenster");
    const auto userAlt = [](bool down) { keybd_event(VK_LMENU, 0, down ? 0 : KEYEVENTF_KEYUP, 0); };
    userAlt(true);
    ASSERT_TRUE(waitFor([&] { return platform->userHoldsModifiers(); }));
    std::thread user([&] {
        Sleep(300);
        userAlt(false);
    });
    const SendResult first = SendPreviewText(*platform, "Quip Zielfenster",
                                             "Gl\xFC"
                                             "ck auf",
                                             false);
    user.join();
    EXPECT_EQ(first, SendResult::Sent);
    EXPECT_EQ(target.received(*platform), "Gl\xFC"
                                          "ck auf");

    userAlt(true);
    EXPECT_EQ(SendPreviewText(*platform, "Quip Zielfenster",
                              " und tsch\xFC"
                              "ss",
                              false),
              SendResult::Sent);
    EXPECT_FALSE(platform->userHoldsModifiers());
    EXPECT_EQ(target.received(*platform), "Gl\xFC"
                                          "ck auf und tsch\xFC"
                                          "ss");
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
    const Layout layout = currentLayout();
    if (layout == Layout::German || layout == Layout::SwissGerman) {
        EXPECT_EQ(platform->layoutKey('@'),
                  layout == Layout::German ? 0x0651 : 0x0632); // AltGr+Q, 2
        EXPECT_EQ(platform->layoutKey('z'), 0x005A);
        const unsigned umlaut = platform->layoutKey(0xFC); // ü: a key of its own
        EXPECT_EQ(umlaut >> 8, 0U);
        EXPECT_NE(umlaut & 0xFF, 0xFFU);
    } else if (layout == Layout::French) {
        EXPECT_EQ(platform->layoutKey('@'), 0x0630); // AltGr+0
        EXPECT_EQ(platform->layoutKey('1'), 0x0131); // Shift+1
        EXPECT_EQ(platform->layoutKey(0xFC), 0xFFFF);
    } else {
        EXPECT_EQ(platform->layoutKey('@'), 0x0132); // Shift+2
        EXPECT_EQ(platform->layoutKey(0xFC), 0xFFFF);
    }
    // A dead key is no key of its character: it would change the next one.
    const std::uint16_t circumflex = layout == Layout::Us       ? 0x0136
                                     : layout == Layout::French ? 0x0639
                                                                : 0xFFFF;
    EXPECT_EQ(platform->layoutKey('^'), circumflex); // Shift+6, AltGr+9
    EXPECT_EQ(platform->layoutKey('\r'), 0x000D);
}

} // namespace
