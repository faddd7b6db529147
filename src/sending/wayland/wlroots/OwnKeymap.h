#pragma once

#include <xkbcommon/xkbcommon.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Where a character sits in our keymap: its key (evdev code) and level, 0 to 7. Bit 0 of
// the level is Shift, bit 1 AltGr (level three), bit 2 level five.
struct KeySlot {
    std::uint32_t evdev = 0;
    unsigned level = 0;
    friend bool operator==(const KeySlot&, const KeySlot&) = default;
};

// A keymap of our own making for a virtual keyboard. Characters sit only on the letter and
// number block: Chromium acts on key positions whatever symbol a key carries, and swallowed
// characters on codes above the main block. The printable ASCII characters always sit where
// the US layout has them (plain and Shift), so that a shortcut such as Ctrl+A reaches the
// target as Ctrl and the A key, as a real keyboard sends it; the other characters take the
// free slots. Eight levels per key hold every cp1252 character in one keymap, so a send
// never changes it mid-text. The keys that the key-sequence language names, and the
// modifiers, sit on their real positions.
class OwnKeymap {
public:
    static constexpr std::array<std::uint32_t, 48> kCharacterKeys{
        2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, // digit row
        16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, // Q row
        30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, // A row, with the key left of 1
        43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53,     // Z row, with the key right of it
        86};                                            // the key left of Z
    static constexpr unsigned kLevels = 8;
    static constexpr std::size_t kCapacity = kCharacterKeys.size() * kLevels;
    // The keys behind the levels. Level five's key is never pressed: the modifiers request
    // alone sets its modifier, the key only gives it a home in the keymap.
    static constexpr std::uint32_t kLevelThreeKey = 100, kLevelFiveKey = 97;

    OwnKeymap();

    // Whether the keysym has a key here (a slot, or one of the fixed keys).
    bool covers(xkb_keysym_t keysym) const;
    // Gives the keysym the next free slot; false when all are taken. Slots fill a level of
    // every key before the next level, so that characters need as few modifiers as can be.
    bool place(xkb_keysym_t keysym);
    std::optional<KeySlot> slotOf(xkb_keysym_t keysym) const;
    // For Return, Tab, Escape, BackSpace, space and the modifiers.
    static std::optional<std::uint32_t> fixedKeyOf(xkb_keysym_t keysym);

    // The keymap in xkb's text form.
    std::string source() const;
    friend bool operator==(const OwnKeymap&, const OwnKeymap&) = default;

private:
    // By level, then key: slot level * 48 + key index. NoSymbol where free.
    std::array<xkb_keysym_t, kCapacity> slots_{};
};

// The keymap for a text: the current one when it covers the text or can take in its other
// characters (its keys stay where they are), else a new one made for the text alone.
OwnKeymap keymapForText(std::u32string_view text, const OwnKeymap& current);
