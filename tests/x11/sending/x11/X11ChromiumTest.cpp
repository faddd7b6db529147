#include "sending/SendPreviewText.h"
#include "support/x11/X11Desk.h"

#include <gtest/gtest.h>

// A browser's chat box is where the program's users type.

namespace {

TEST(X11Chromium, GermanTextArrivesInATextArea) {
    X11Desk desk("de");
    ChromiumChat chromium(desk.display, "Schnapsen - Chat");

    EXPECT_EQ(SendPreviewText(*desk.platform, "schnapsen - chat", "a@b {x} [y] ~|", false),
              SendResult::Sent);
    EXPECT_EQ(chromium.waitForText("a@b {x} [y] ~|"), "a@b {x} [y] ~|");
    EXPECT_EQ(SendPreviewText(*desk.platform, "Schnapsen - Chat",
                              " Gr\xFC\xDF"
                              "e \xE4\xF6\xFC\xDF \xC4\xD6\xDC \x80 \\ \xB5 2^3 `ok\xB4 ^^",
                              true),
              SendResult::Sent);
    // ^ ` and ´ are dead keys on this layout.
    const std::string expected = "a@b {x} [y] ~| Grüße äöüß ÄÖÜ € \\ µ 2^3 `ok´ ^^\n";
    EXPECT_EQ(chromium.waitForText(expected), expected);
}

} // namespace
