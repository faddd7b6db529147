#include "sending/wayland/wlroots/OwnKeymap.h"
#include "charset/Cp1252Table.h"
#include "sending/wayland/CharacterKeysym.h"
#include "sending/wayland/VirtualKeyPositions.h"
#include "sending/wayland/wlroots/VirtualKeyboard.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::u32string printableCp1252() {
    std::u32string text;
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
        const char32_t c = cp1252ToUnicode(static_cast<unsigned char>(byte));
        if (byte != 0x7F && !(c >= 0x80 && c < 0xA0)) {
            text += c;
        }
    }
    return text;
}

// The keymap as the compositor compiles it, and a state with given modifiers on it: what a
// target computes for a key.
class CompiledKeymap {
public:
    explicit CompiledKeymap(const OwnKeymap& keymap)
        : context_(xkb_context_new(XKB_CONTEXT_NO_FLAGS), xkb_context_unref),
          keymap_(xkb_keymap_new_from_string(context_.get(), keymap.source().c_str(),
                                             XKB_KEYMAP_FORMAT_TEXT_V1,
                                             XKB_KEYMAP_COMPILE_NO_FLAGS),
                  xkb_keymap_unref) {}

    bool compiled() const { return keymap_ != nullptr; }

    xkb_keysym_t typed(std::uint32_t evdev, std::uint32_t modifiers) const {
        std::unique_ptr<xkb_state, decltype(&xkb_state_unref)> state(xkb_state_new(keymap_.get()),
                                                                     xkb_state_unref);
        xkb_state_update_mask(state.get(), modifiers, 0, 0, 0, 0, 0);
        return xkb_state_key_get_one_sym(state.get(), evdev + 8);
    }

    // Whether the key sets exactly the mask when held, as VirtualKeyboard assumes.
    std::uint32_t maskOf(std::uint32_t evdev) const {
        std::unique_ptr<xkb_state, decltype(&xkb_state_unref)> state(xkb_state_new(keymap_.get()),
                                                                     xkb_state_unref);
        xkb_state_update_key(state.get(), evdev + 8, XKB_KEY_DOWN);
        return xkb_state_serialize_mods(state.get(), XKB_STATE_MODS_DEPRESSED);
    }

private:
    std::unique_ptr<xkb_context, decltype(&xkb_context_unref)> context_;
    std::unique_ptr<xkb_keymap, decltype(&xkb_keymap_unref)> keymap_;
};

bool onLetterAndNumberBlock(std::uint32_t evdev) {
    return (evdev >= 2 && evdev <= 13) || (evdev >= 16 && evdev <= 27) ||
           (evdev >= 30 && evdev <= 41) || (evdev >= 43 && evdev <= 53) || evdev == 86;
}

} // namespace

TEST(OwnKeymap, OneKeymapTypesEveryCp1252CharacterOnTheLetterAndNumberBlock) {
    const std::u32string all = printableCp1252();
    const OwnKeymap keymap = keymapForText(all, OwnKeymap{});
    const CompiledKeymap compiled(keymap);
    ASSERT_TRUE(compiled.compiled());
    for (const char32_t c : all) {
        SCOPED_TRACE(static_cast<std::uint32_t>(c));
        const xkb_keysym_t keysym = ownKeymapKeysym(c);
        if (const auto fixed = OwnKeymap::fixedKeyOf(keysym)) {
            EXPECT_EQ(compiled.typed(*fixed, 0), keysym);
            continue;
        }
        const auto slot = keymap.slotOf(keysym);
        ASSERT_TRUE(slot);
        EXPECT_TRUE(onLetterAndNumberBlock(slot->evdev)) << slot->evdev;
        EXPECT_LT(slot->level, OwnKeymap::kLevels);
        // The target reads the character from the key and the modifiers we send for its
        // level, all eight levels included.
        EXPECT_EQ(compiled.typed(slot->evdev, VirtualKeyboard::levelModifiers(slot->level)),
                  keysym);
    }
}

TEST(OwnKeymap, TheModifierKeysSetTheMasksThatTheModifiersRequestSends) {
    const CompiledKeymap compiled(OwnKeymap{});
    ASSERT_TRUE(compiled.compiled());
    EXPECT_EQ(compiled.maskOf(42), VirtualKeyboard::kShift);
    EXPECT_EQ(compiled.maskOf(29), VirtualKeyboard::kCtrl);
    EXPECT_EQ(compiled.maskOf(56), VirtualKeyboard::kAlt);
    EXPECT_EQ(compiled.maskOf(OwnKeymap::kLevelThreeKey), VirtualKeyboard::kLevelThree);
    EXPECT_EQ(compiled.maskOf(OwnKeymap::kLevelFiveKey), VirtualKeyboard::kLevelFive);
}

TEST(OwnKeymap, AsciiSitsWhereTheUsLayoutHasItSoShortcutsAreRealKeys) {
    // Ctrl+A must reach the target as Ctrl and the A key without Shift, whatever the text.
    const OwnKeymap keymap = keymapForText(U"äöü€ ñ", OwnKeymap{});
    EXPECT_EQ(keymap.slotOf(XKB_KEY_a), (KeySlot{30, 0}));
    EXPECT_EQ(keymap.slotOf(XKB_KEY_A), (KeySlot{30, 1}));
    EXPECT_EQ(keymap.slotOf(XKB_KEY_z), (KeySlot{44, 0}));
    EXPECT_EQ(keymap.slotOf(XKB_KEY_1), (KeySlot{2, 0}));
    EXPECT_EQ(keymap.slotOf(XKB_KEY_at), (KeySlot{3, 1}));
    EXPECT_EQ(keymap.slotOf(XKB_KEY_bar), (KeySlot{43, 1}));
    // The rest fill the free slots in the order of the text, the fewest modifiers first:
    // the key left of Z is the one key the US layout leaves free.
    EXPECT_EQ(keymap.slotOf(XKB_KEY_adiaeresis), (KeySlot{86, 0}));
    EXPECT_EQ(keymap.slotOf(XKB_KEY_odiaeresis), (KeySlot{86, 1}));
    EXPECT_EQ(keymap.slotOf(XKB_KEY_udiaeresis), (KeySlot{2, 2}));
}

TEST(OwnKeymap, NamedKeysAndControlCharactersSitOnTheirRealPositions) {
    EXPECT_EQ(OwnKeymap::fixedKeyOf(characterKeysym(U'\r')), 28u);
    EXPECT_EQ(OwnKeymap::fixedKeyOf(characterKeysym(U'\n')), 28u);
    EXPECT_EQ(OwnKeymap::fixedKeyOf(characterKeysym(U'\t')), 15u);
    EXPECT_EQ(OwnKeymap::fixedKeyOf(characterKeysym(U'\x1b')), 1u);
    EXPECT_EQ(OwnKeymap::fixedKeyOf(XKB_KEY_space), 57u);
    const CompiledKeymap compiled(OwnKeymap{});
    // F1, F12, Delete, the keypad's 5 and Num Lock, as NUM5 and the rest name them.
    for (const auto& [virtualKey, evdev, keysym] :
         {std::tuple{0x70, 59u, XKB_KEY_F1}, std::tuple{0x7B, 88u, XKB_KEY_F12},
          std::tuple{0x2E, 111u, XKB_KEY_Delete}, std::tuple{0x65, 76u, XKB_KEY_KP_5},
          std::tuple{0x90, 69u, XKB_KEY_Num_Lock}}) {
        const auto position = virtualKeyPosition(static_cast<std::uint8_t>(virtualKey));
        ASSERT_TRUE(position) << virtualKey;
        EXPECT_EQ(position->evdev, evdev);
        EXPECT_EQ(compiled.typed(evdev, 0), keysym);
    }
    EXPECT_FALSE(virtualKeyPosition(0x41)); // a letter is typed, not named
}

TEST(OwnKeymap, ASendKeepsTheKeymapItFindsWhenItCoversOrCanTakeInTheText) {
    const OwnKeymap first = keymapForText(U"Grüß Gott, 5 € für dich!\r", OwnKeymap{});
    EXPECT_EQ(keymapForText(U"Gott für dich", first), first);
    // New characters join it; what was there keeps its key, so keys typed before the
    // change mean the same afterwards.
    const OwnKeymap grown = keymapForText(U"Ça va, señor?", first);
    EXPECT_NE(grown, first);
    EXPECT_EQ(grown.slotOf(XKB_KEY_udiaeresis), first.slotOf(XKB_KEY_udiaeresis));
    EXPECT_EQ(grown.slotOf(XKB_KEY_EuroSign), first.slotOf(XKB_KEY_EuroSign));
    EXPECT_TRUE(grown.covers(XKB_KEY_ntilde));
}

TEST(OwnKeymap, AFullKeymapGivesWayToOneMadeForTheText) {
    OwnKeymap full;
    for (char32_t c = 0x0400; full.place(0x01000000 + c); ++c) {
    }
    const OwnKeymap fresh = keymapForText(U"ÄÖÜ", full);
    EXPECT_TRUE(fresh.covers(XKB_KEY_Adiaeresis));
    EXPECT_FALSE(fresh.covers(0x01000400));
}

TEST(CharacterKeysym, UnicodeKeysymsAboveLatin1AndNoneForControls) {
    // Chromium on X11 dropped the legacy keysym of ‰.
    EXPECT_EQ(ownKeymapKeysym(U'‰'), 0x01002030u);
    EXPECT_EQ(ownKeymapKeysym(U'€'), 0x010020ACu);
    EXPECT_EQ(ownKeymapKeysym(U'ä'), static_cast<xkb_keysym_t>(XKB_KEY_adiaeresis));
    EXPECT_EQ(characterKeysym(U'€'), static_cast<xkb_keysym_t>(XKB_KEY_EuroSign));
    EXPECT_EQ(characterKeysym(U'\x01'), static_cast<xkb_keysym_t>(XKB_KEY_NoSymbol));
    EXPECT_EQ(characterKeysym(U'\x81'), static_cast<xkb_keysym_t>(XKB_KEY_NoSymbol));
}
