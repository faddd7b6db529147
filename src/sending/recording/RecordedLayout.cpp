#include "sending/recording/RecordedLayout.h"

#include <array>
#include <string_view>
#include <vector>

namespace {

constexpr std::uint16_t kNoKey = 0xFFFF;
constexpr unsigned kShift = 1;
constexpr unsigned kCtrl = 2;
constexpr unsigned kAltGr = 6;

struct Table {
    std::array<std::uint16_t, 256> keys{};
    std::vector<std::uint16_t> deadKeys;
    // The keys that Caps Lock turns like Shift, beside the letters.
    std::vector<std::uint8_t> capsKeys;

    // Letters and control keys are alike in all four layouts.
    Table() {
        keys.fill(kNoKey);
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

    void set(unsigned char c, unsigned vk, unsigned modifiers = 0) {
        keys[c] = static_cast<std::uint16_t>(modifiers << 8 | vk);
    }
    // One key: what it types alone, with kShift, and with kAltGr (0 for nothing).
    void key(unsigned vk, unsigned char plain, unsigned char shifted, unsigned char altGr = 0) {
        if (plain != 0) {
            set(plain, vk);
        }
        if (shifted != 0) {
            set(shifted, vk, kShift);
        }
        if (altGr != 0) {
            set(altGr, vk, kAltGr);
        }
    }
    // The digit keys 1 to 9 and 0, alone and with kShift.
    void digitRow(std::string_view plain, std::string_view shifted) {
        for (unsigned i = 0; i < 10; ++i) {
            key(i < 9 ? '1' + i : '0', static_cast<unsigned char>(plain[i]),
                static_cast<unsigned char>(shifted[i]));
        }
    }
    void dead(unsigned vk, unsigned modifiers) {
        deadKeys.push_back(static_cast<std::uint16_t>(modifiers << 8 | vk));
    }
};

Table germanTable() {
    Table t;
    t.digitRow("1234567890", "!\"\xA7$%&/()=");
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
    t.dead(0xDD, 0);
    t.dead(0xDD, kShift);
    t.key(0xDC, '^', '\xB0'); // dead circumflex, °
    t.dead(0xDC, 0);
    t.key(0xBA, '\xFC', '\xDC'); // ü Ü
    t.key(0xBB, '+', '*', '~');
    t.key(0xC0, '\xF6', '\xD6'); // ö Ö
    t.key(0xDE, '\xE4', '\xC4'); // ä Ä
    t.key(0xBF, '#', '\'');
    t.key(0xE2, '<', '>', '|');
    t.key(0xBC, ',', ';');
    t.key(0xBE, '.', ':');
    t.key(0xBD, '-', '_');
    t.capsKeys = {0xBA, 0xC0, 0xDE};
    return t;
}

Table swissGermanTable() {
    Table t;
    t.digitRow("1234567890", "+\"*\xE7%&/()=");
    t.set('\xA6', '1', kAltGr); // ¦
    t.set('@', '2', kAltGr);
    t.set('#', '3', kAltGr);
    t.set('\xAC', '6', kAltGr); // ¬
    t.set('|', '7', kAltGr);
    t.set('\xA2', '8', kAltGr);     // ¢
    t.set('\x80', 'E', kAltGr);     // €
    t.key(0xBF, '\xA7', '\xB0');    // § °
    t.key(0xDB, '\'', '?', '\xB4'); // ´ is dead
    t.dead(0xDB, kAltGr);
    t.key(0xDD, '^', '`', '~'); // all three dead
    t.dead(0xDD, 0);
    t.dead(0xDD, kShift);
    t.dead(0xDD, kAltGr);
    t.key(0xBA, '\xFC', '\xE8', '['); // ü è
    t.key(0xC0, '\xA8', '!', ']');    // ¨ is dead
    t.dead(0xC0, 0);
    t.key(0xDE, '\xF6', '\xE9');      // ö é
    t.key(0xDC, '\xE4', '\xE0', '{'); // ä à
    t.key(0xDF, '$', '\xA3', '}');    // £
    t.key(0xE2, '<', '>', '\\');
    t.key(0xBC, ',', ';');
    t.key(0xBE, '.', ':');
    t.key(0xBD, '-', '_');
    t.capsKeys = {0xBA, 0xDE, 0xDC};
    return t;
}

Table frenchTable() {
    Table t;
    // The digits need Shift; alone the keys type these.
    t.digitRow("&\xE9\"'(-\xE8_\xE7\xE0", "1234567890");
    t.set('~', '2', kAltGr); // dead
    t.dead('2', kAltGr);
    t.set('#', '3', kAltGr);
    t.set('{', '4', kAltGr);
    t.set('[', '5', kAltGr);
    t.set('|', '6', kAltGr);
    t.set('`', '7', kAltGr); // dead
    t.dead('7', kAltGr);
    t.set('\\', '8', kAltGr);
    t.set('^', '9', kAltGr);
    t.set('@', '0', kAltGr);
    t.set('\x80', 'E', kAltGr); // €
    t.key(0xDE, '\xB2', 0);     // ²
    t.key(0xDB, ')', '\xB0', ']');
    t.key(0xBB, '=', '+', '}');
    t.key(0xDD, 0, '\xA8'); // dead ^ (typed by AltGr+9 instead) and dead ¨
    t.dead(0xDD, 0);
    t.dead(0xDD, kShift);
    t.key(0xBA, '$', '\xA3', '\xA4'); // £ ¤
    t.key(0xC0, '\xF9', '%');         // ù
    t.key(0xDC, '*', '\xB5');         // µ
    t.key(0xE2, '<', '>');
    t.key(0xBC, ',', '?');
    t.key(0xBE, ';', '.');
    t.key(0xBF, ':', '/');
    t.key(0xDF, '!', '\xA7'); // §
    t.capsKeys = {'1', '2', '3', '4', '5', '6', '7', '8', '9', '0'};
    return t;
}

Table usTable() {
    Table t;
    t.digitRow("1234567890", "!@#$%^&*()");
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
    static const Table swissGerman = swissGermanTable();
    static const Table french = frenchTable();
    static const Table us = usTable();
    switch (layout) {
    case KeyboardLayout::German:
        return german;
    case KeyboardLayout::SwissGerman:
        return swissGerman;
    case KeyboardLayout::French:
        return french;
    case KeyboardLayout::US:
        break;
    }
    return us;
}

bool followsCapsLock(const Table& table, std::uint8_t vk) {
    if (vk >= 'A' && vk <= 'Z') {
        return true;
    }
    for (const std::uint8_t key : table.capsKeys) {
        if (key == vk) {
            return true;
        }
    }
    return false;
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
        return layout == KeyboardLayout::US ? '.' : ',';
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

bool recordedDeadKey(KeyboardLayout layout, std::uint8_t virtualKey, unsigned modifiers) {
    const auto wanted = static_cast<std::uint16_t>(modifiers << 8 | virtualKey);
    for (const std::uint16_t dead : tableOf(layout).deadKeys) {
        if (dead == wanted) {
            return true;
        }
    }
    return false;
}

std::optional<unsigned char> recordedLayoutCharacter(KeyboardLayout layout, std::uint8_t virtualKey,
                                                     unsigned modifiers, bool capsLock) {
    if (modifiers == 0) {
        if (const auto keypad = keypadCharacter(layout, virtualKey)) {
            return keypad;
        }
    }
    const Table& table = tableOf(layout);
    if (capsLock && (modifiers & kAltGr) == 0 && followsCapsLock(table, virtualKey)) {
        modifiers ^= kShift;
    }
    const auto wanted = static_cast<std::uint16_t>(modifiers << 8 | virtualKey);
    for (unsigned c = 0; c < table.keys.size(); ++c) {
        if (table.keys[c] == wanted) {
            return static_cast<unsigned char>(c);
        }
    }
    return std::nullopt;
}
