#include "sending/SendPreviewText.h"
#include "support/sending/TypedTexts.h"
#include "support/x11/X11Desk.h"

#include <gtest/gtest.h>

// Every character a phrase can hold arrives exactly, whatever the keyboard layout, in a Qt
// window and in a browser: through the layout's own keys, at AltGr, or on a spare key for
// the moment. The keymap is as it was afterwards.

namespace {

class X11Layouts : public ::testing::TestWithParam<const char*> {};

TEST_P(X11Layouts, EveryPrintableCharacterArrivesAndTheKeymapStaysAsItWas) {
    X11Desk desk(GetParam());
    ChatTargetWindow chat(desk.display, "Schnapsen - Chat");
    ChromiumChat chromium(desk.display, "Kartenspiel - Chat");
    const std::string keymap = desk.display.keymap();
    const std::string text = everyPrintableCp1252();
    const std::string expected = cp1252ToUtf8(text);

    EXPECT_EQ(SendPreviewText(*desk.platform, "Schnapsen - Chat", text, false), SendResult::Sent);
    EXPECT_EQ(chat.waitForText(expected), expected);
    EXPECT_EQ(SendPreviewText(*desk.platform, "Kartenspiel - Chat", text, true), SendResult::Sent);
    EXPECT_EQ(chromium.waitForText(expected + "\n"), expected + "\n");
    EXPECT_EQ(desk.display.keymap(), keymap);
}

INSTANTIATE_TEST_SUITE_P(Layouts, X11Layouts, ::testing::Values("de", "ch", "fr", "us"),
                         [](const auto& layout) { return std::string(layout.param); });

} // namespace
