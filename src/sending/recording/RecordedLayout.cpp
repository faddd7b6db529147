#include "sending/recording/RecordedLayout.h"

#include <array>
#include <string_view>

namespace {

constexpr std::uint16_t kNoKey = 0xFFFF;
constexpr unsigned kShift = 1;
constexpr unsigned kCtrl = 2;
constexpr unsigned kAltGr = 6;

struct Table {
    std::array<std::uint16_t, 256> keys{};

    // Letters, digits and control keys are alike in both layouts but for what kShift does
    // to the digits.
    explicit Table(std::string_view shiftedDigits) {
        keys.fill(kNoKey);
        addCommonKeys();
        for (unsigned char d = 0; d < 10; ++d) {
            key('0' + d, '0' + d, static_cast<unsigned char>(shiftedDigits[d]));
        }
    }

    void set(unsigned char c, unsigned vk, unsigned modifiers = 0) {
        keys[c] = static_cast<std::uint16_t>(modifiers << 8 | vk);
    }
    // One key: what it types alone, with kShift, and with kAltGr (0 for nothing).
    void key(unsigned vk, unsigned char plain, unsigned char shifted, unsigned char altGr = 0) {
        set(plain, vk);
        set(shifted, vk, kShift);
        if (altGr != 0) {
            set(altGr, vk, kAltGr);
        }
    }

private:
    void addCommonKeys() {
        for (unsigned char c = 'a'; c <= 'z'; ++c) {
            set(c, c - 'a' + 'A');
            set(static_cast<unsigned char>(c - 'a' + 'A'), c - 'a' + 'A', kShift);
            set(static_cast<unsigned char>(c - 'a' + 1), c - 'a' + 'A', kCtrl); // kCtrl+letter
        }
        set('\b', 0x08);
        set('\t', 0x09);
        set('\n', 0x0D, kCtrl);
        set('\r', 0x0D);
        set(0x1B, 0x1B);
        set(' ', 0x20);
        set(0x7F, 0x08, kCtrl);
    }
};

Table germanTable() {
    Table t("=!\"\xA7$%&/()");
    t.set('\xB2', '2', kAltGr);
    t.set('\xB3', '3', kAltGr);
    t.set('{', '7', kAltGr);
    t.set('[', '8', kAltGr);
    t.set(']', '9', kAltGr);
    t.set('}', '0', kAltGr);
    t.set('@', 'Q', kAltGr);
    t.set('\x80', 'E', kAltGr);     // €
    t.set('\xB5', 'M', kAltGr);     // µ
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

Table usTable() {
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
    t.set(0x1C, 0xDC, kCtrl);
    t.set(0x1D, 0xDD, kCtrl);
    t.set(0x1E, '6', kCtrl | kShift);
    t.set(0x1F, 0xBD, kCtrl | kShift);
    return t;
}

const Table& tableOf(KeyboardLayout layout) {
    static const Table german = germanTable();
    static const Table us = usTable();
    return layout == KeyboardLayout::German ? german : us;
}

bool followsCapsLock(KeyboardLayout layout, std::uint8_t vk) {
    if (vk >= 'A' && vk <= 'Z') {
        return true;
    }
    // ü, ö and ä on the German layout
    return layout == KeyboardLayout::German && (vk == 0xBA || vk == 0xC0 || vk == 0xDE);
}

std::optional<unsigned char> keypadCharacter(KeyboardLayout layout, std::uint8_t vk) {
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

std::uint16_t recordedLayoutKey(KeyboardLayout layout, unsigned char character) {
    return tableOf(layout).keys[character];
}

std::optional<unsigned char> recordedLayoutCharacter(KeyboardLayout layout, std::uint8_t virtualKey,
                                                     unsigned modifiers, bool capsLock) {
    if (modifiers == 0) {
        if (const auto keypad = keypadCharacter(layout, virtualKey)) {
            return keypad;
        }
    }
    if (capsLock && (modifiers & kAltGr) == 0 && followsCapsLock(layout, virtualKey)) {
        modifiers ^= kShift;
    }
    const Table& table = tableOf(layout);
    const auto wanted = static_cast<std::uint16_t>(modifiers << 8 | virtualKey);
    for (unsigned c = 0; c < table.keys.size(); ++c) {
        if (table.keys[c] == wanted) {
            return static_cast<unsigned char>(c);
        }
    }
    return std::nullopt;
}
