#include "sending/wayland/kwin/LayoutLookup.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

// The keymap KWin would give its clients for the layout.
std::string layoutText(const char* layout) {
    std::unique_ptr<xkb_context, decltype(&xkb_context_unref)> context(
        xkb_context_new(XKB_CONTEXT_NO_FLAGS), xkb_context_unref);
    const xkb_rule_names names{"evdev", "pc105", layout, "", ""};
    std::unique_ptr<xkb_keymap, decltype(&xkb_keymap_unref)> keymap(
        xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS),
        xkb_keymap_unref);
    if (!keymap) {
        return {};
    }
    std::unique_ptr<char, decltype(&std::free)> text(
        xkb_keymap_get_as_string(keymap.get(), XKB_KEYMAP_FORMAT_TEXT_V1), std::free);
    return text.get();
}

constexpr std::uint32_t kShift = 42, kAltGr = 100;

} // namespace

TEST(LayoutLookup, GermanKeysTheirLevelsAndDeadKeys) {
    setenv("LANG", "C.UTF-8", 1);
    unsetenv("LC_ALL");
    unsetenv("LC_CTYPE");
    const LayoutLookup de(layoutText("de"));
    EXPECT_EQ(de.find(XKB_KEY_a), (KeyStroke{{}, 30}));
    EXPECT_EQ(de.find(XKB_KEY_A), (KeyStroke{{kShift}, 30}));
    EXPECT_EQ(de.find(XKB_KEY_z), (KeyStroke{{}, 21})); // Z where the US layout has Y
    EXPECT_EQ(de.find(XKB_KEY_at), (KeyStroke{{kAltGr}, 16}));
    EXPECT_EQ(de.find(XKB_KEY_braceleft), (KeyStroke{{kAltGr}, 8}));
    // € on AltGr+E, not on the Euro key high up that German also has.
    EXPECT_EQ(de.find(XKB_KEY_EuroSign), (KeyStroke{{kAltGr}, 18}));
    // Digits from the digit row, not the keypad.
    EXPECT_EQ(de.find(XKB_KEY_5), (KeyStroke{{}, 6}));

    // é only as acute then e; the acute itself as acute twice or acute then space.
    const auto eacute = de.strokesFor(XKB_KEY_eacute);
    ASSERT_TRUE(eacute);
    ASSERT_EQ(eacute->size(), 2u);
    EXPECT_EQ((*eacute)[0], (KeyStroke{{}, 13}));
    EXPECT_EQ((*eacute)[1], (KeyStroke{{}, 18}));
    const auto acute = de.strokesFor(XKB_KEY_acute);
    ASSERT_TRUE(acute);
    EXPECT_EQ(acute->front(), (KeyStroke{{}, 13}));
    // No key and no composition: nothing, rather than a wrong character.
    EXPECT_FALSE(de.strokesFor(XKB_KEY_permille));
    EXPECT_FALSE(de.strokesFor(XKB_KEY_ntilde));
}

TEST(LayoutLookup, OtherLayoutsAnswerWithTheirOwnKeys) {
    const LayoutLookup us(layoutText("us"));
    EXPECT_EQ(us.find(XKB_KEY_at), (KeyStroke{{kShift}, 3}));
    EXPECT_FALSE(us.strokesFor(XKB_KEY_adiaeresis));
    const LayoutLookup fr(layoutText("fr"));
    EXPECT_EQ(fr.find(XKB_KEY_a), (KeyStroke{{}, 16}));
    EXPECT_EQ(fr.find(XKB_KEY_1), (KeyStroke{{kShift}, 2}));
}

TEST(LayoutLookup, AKeymapThatDoesNotCompileIsAnError) {
    EXPECT_THROW(LayoutLookup("xkb_keymap { nonsense"), std::runtime_error);
}
