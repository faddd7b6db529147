#include "sending/recording/RecordedLayout.h"

#include <array>
#include <string_view>

namespace {

constexpr std::uint16_t NoKey = 0xFFFF;
constexpr unsigned Shift = 1;
constexpr unsigned Ctrl = 2;
constexpr unsigned AltGr = 6;

struct Table {
    std::array<std::uint16_t, 256> keys{};

    // Letters, digits and control keys are alike in both layouts but for what Shift does
    // to the digits.
    explicit Table(std::string_view shiftedDigits) {
        keys.fill(NoKey);
        addCommonKeys();
        for (unsigned char d = 0; d < 10; ++d) {
            key('0' + d, '0' + d, static_cast<unsigned char>(shiftedDigits[d]));
        }
    }

    void set(unsigned char c, unsigned vk, unsigned modifiers = 0) {
        keys[c] = static_cast<std::uint16_t>(modifiers << 8 | vk);
    }
    // One key: what it types alone, with Shift, and with AltGr (0 for nothing).
    void key(unsigned vk, unsigned char plain, unsigned char shifted, unsigned char altGr = 0) {
        set(plain, vk);
        set(shifted, vk, Shift);
        if (altGr != 0) {
            set(altGr, vk, AltGr);
        }
    }

private:
    void addCommonKeys() {
        for (unsigned char c = 'a'; c <= 'z'; ++c) {
            set(c, c - 'a' + 'A');
            set(static_cast<unsigned char>(c - 'a' + 'A'), c - 'a' + 'A', Shift);
            set(static_cast<unsigned char>(c - 'a' + 1), c - 'a' + 'A', Ctrl); // Ctrl+letter
        }
        set('\b', 0x08);
        set('\t', 0x09);
        set('\n', 0x0D, Ctrl);
        set('\r', 0x0D);
        set(0x1B, 0x1B);
        set(' ', 0x20);
        set(0x7F, 0x08, Ctrl);
    }
};

Table GermanTable() {
    Table t("=!\"\xA7$%&/()");
    t.set('\xB2', '2', AltGr);
    t.set('\xB3', '3', AltGr);
    t.set('{', '7', AltGr);
    t.set('[', '8', AltGr);
    t.set(']', '9', AltGr);
    t.set('}', '0', AltGr);
    t.set('@', 'Q', AltGr);
    t.set('\x80', 'E', AltGr);      // €
    t.set('\xB5', 'M', AltGr);      // µ
    t.key(0xDB, '\xDF', '?', '\\'); // ß
    t.key(0xDD, '\xB4', '`');       // dead acute and grave
    t.key(0xDC, '^', '\xB0');       // dead circumflex, °
    t.key(0xBA, '\xFC', '\xDC');    // ü Ü
    t.key(0xBB, '+', '*', '~');
    t.key(0xC0, '\xF6', '\xD6'); // ö Ö
    t.key(0xDE, '\xE4', '\xC4'); // ä Ä
    t.key(0xBF, '#', '\'');
    t.key(0xE2, '<', '>', '|');
    t.key(0xBC, ',', ';');
    t.key(0xBE, '.', ':');
    t.key(0xBD, '-', '_');
    return t;
}

Table UsTable() {
    Table t(")!@#$%^&*(");
    t.key(0xBA, ';', ':');
    t.key(0xBB, '=', '+');
    t.key(0xBC, ',', '<');
    t.key(0xBD, '-', '_');
    t.key(0xBE, '.', '>');
    t.key(0xBF, '/', '?');
    t.key(0xC0, '`', '~');
    t.key(0xDB, '[', '{');
    t.key(0xDC, '\\', '|');
    t.key(0xDD, ']', '}');
    t.key(0xDE, '\'', '"');
    t.set(0x1C, 0xDC, Ctrl);
    t.set(0x1D, 0xDD, Ctrl);
    t.set(0x1E, '6', Ctrl | Shift);
    t.set(0x1F, 0xBD, Ctrl | Shift);
    return t;
}

const Table& TableOf(KeyboardLayout layout) {
    static const Table german = GermanTable();
    static const Table us = UsTable();
    return layout == KeyboardLayout::German ? german : us;
}

bool FollowsCapsLock(KeyboardLayout layout, std::uint8_t vk) {
    if (vk >= 'A' && vk <= 'Z') {
        return true;
    }
    // ü, ö and ä on the German layout
    return layout == KeyboardLayout::German && (vk == 0xBA || vk == 0xC0 || vk == 0xDE);
}

std::optional<unsigned char> KeypadCharacter(KeyboardLayout layout, std::uint8_t vk) {
    if (vk >= 0x60 && vk <= 0x69) {
        return static_cast<unsigned char>('0' + vk - 0x60);
    }
    switch (vk) {
    case 0x6A:
        return '*';
    case 0x6B:
        return '+';
    case 0x6D:
        return '-';
    case 0x6E:
        return layout == KeyboardLayout::German ? ',' : '.';
    case 0x6F:
        return '/';
    default:
        return std::nullopt;
    }
}

} // namespace

std::uint16_t RecordedLayoutKey(KeyboardLayout layout, unsigned char character) {
    return TableOf(layout).keys[character];
}

std::optional<unsigned char> RecordedLayoutCharacter(KeyboardLayout layout, std::uint8_t virtualKey,
                                                     unsigned modifiers, bool capsLock) {
    if (modifiers == 0) {
        if (const auto keypad = KeypadCharacter(layout, virtualKey)) {
            return keypad;
        }
    }
    if (capsLock && (modifiers & AltGr) == 0 && FollowsCapsLock(layout, virtualKey)) {
        modifiers ^= Shift;
    }
    const Table& table = TableOf(layout);
    const auto wanted = static_cast<std::uint16_t>(modifiers << 8 | virtualKey);
    for (unsigned c = 0; c < table.keys.size(); ++c) {
        if (table.keys[c] == wanted) {
            return static_cast<unsigned char>(c);
        }
    }
    return std::nullopt;
}
