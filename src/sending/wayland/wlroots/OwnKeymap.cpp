#include "sending/wayland/wlroots/OwnKeymap.h"

#include "sending/wayland/CharacterKeysym.h"
#include "sending/wayland/VirtualKeyPositions.h"

#include <algorithm>

namespace {

std::string keyName(std::uint32_t evdev) {
    return "<I" + std::to_string(evdev + 8) + ">";
}

std::string keysymName(xkb_keysym_t keysym) {
    char name[64];
    if (keysym == XKB_KEY_NoSymbol || xkb_keysym_get_name(keysym, name, sizeof name) <= 0) {
        return "NoSymbol";
    }
    return name;
}

// The named keys and the two level keys.
const std::vector<KeyPosition>& fixedKeys() {
    static const std::vector<KeyPosition> keys = [] {
        std::vector<KeyPosition> list = namedKeyPositions();
        list.push_back({OwnKeymap::kLevelThreeKey, XKB_KEY_ISO_Level3_Shift});
        list.push_back({OwnKeymap::kLevelFiveKey, XKB_KEY_ISO_Level5_Shift});
        return list;
    }();
    return keys;
}

// The US layout's printable characters by key, plain and with Shift, in the order of
// OwnKeymap::kCharacterKeys (the key left of Z has none).
constexpr std::string_view kUsPlain = "1234567890-=qwertyuiop[]asdfghjkl;'`\\zxcvbnm,./";
constexpr std::string_view kUsShifted = "!@#$%^&*()_+QWERTYUIOP{}ASDFGHJKL:\"~|ZXCVBNM<>?";

std::string keycodeLine(std::uint32_t evdev) {
    return "  " + keyName(evdev) + " = " + std::to_string(evdev + 8) + ";\n";
}

} // namespace

OwnKeymap::OwnKeymap() {
    slots_.fill(XKB_KEY_NoSymbol);
    for (std::size_t key = 0; key < kUsPlain.size(); ++key) {
        slots_[key] = ownKeymapKeysym(static_cast<unsigned char>(kUsPlain[key]));
        slots_[kCharacterKeys.size() + key] =
            ownKeymapKeysym(static_cast<unsigned char>(kUsShifted[key]));
    }
}

std::optional<std::uint32_t> OwnKeymap::fixedKeyOf(xkb_keysym_t keysym) {
    for (const KeyPosition& k : fixedKeys()) {
        if (k.keysym == keysym) {
            return k.evdev;
        }
    }
    return std::nullopt;
}

bool OwnKeymap::covers(xkb_keysym_t keysym) const {
    return fixedKeyOf(keysym) || slotOf(keysym);
}

bool OwnKeymap::place(xkb_keysym_t keysym) {
    if (covers(keysym)) {
        return true;
    }
    const auto free = std::find(slots_.begin(), slots_.end(), XKB_KEY_NoSymbol);
    if (free == slots_.end()) {
        return false;
    }
    *free = keysym;
    return true;
}

std::optional<KeySlot> OwnKeymap::slotOf(xkb_keysym_t keysym) const {
    if (keysym == XKB_KEY_NoSymbol) {
        return std::nullopt;
    }
    const auto it = std::find(slots_.begin(), slots_.end(), keysym);
    if (it == slots_.end()) {
        return std::nullopt;
    }
    const auto index = static_cast<std::size_t>(it - slots_.begin());
    return KeySlot{kCharacterKeys[index % kCharacterKeys.size()],
                   static_cast<unsigned>(index / kCharacterKeys.size())};
}

std::string OwnKeymap::source() const {
    std::string keycodes;
    std::string symbols;
    for (const KeyPosition& k : fixedKeys()) {
        keycodes += keycodeLine(k.evdev);
        symbols += "  key " + keyName(k.evdev) + " { [ " + keysymName(k.keysym) + " ] };\n";
    }
    for (std::size_t key = 0; key < kCharacterKeys.size(); ++key) {
        const std::uint32_t code = kCharacterKeys[key];
        keycodes += keycodeLine(code);
        std::string keysyms;
        for (std::size_t level = 0; level < kLevels; ++level) {
            const std::size_t index = level * kCharacterKeys.size() + key;
            keysyms += (level > 0 ? ", " : "") + keysymName(slots_[index]);
        }
        symbols += "  key " + keyName(code) + " { type = \"EIGHT_LEVEL\", [ " + keysyms + " ] };\n";
    }
    // The real modifiers behind the masks that VirtualKeyboard sends.
    symbols += "  modifier_map Shift { " + keyName(42) + " };\n";
    symbols += "  modifier_map Lock { " + keyName(58) + " };\n";
    symbols += "  modifier_map Control { " + keyName(29) + " };\n";
    symbols += "  modifier_map Mod1 { " + keyName(56) + " };\n";
    symbols += "  modifier_map Mod3 { " + keyName(kLevelFiveKey) + " };\n";
    symbols += "  modifier_map Mod5 { " + keyName(kLevelThreeKey) + " };\n";
    return "xkb_keymap {\n"
           "xkb_keycodes \"quipsender\" {\n  minimum = 8;\n  maximum = 255;\n" +
           keycodes +
           "};\n"
           "xkb_types \"quipsender\" { include \"complete\" };\n"
           "xkb_compatibility \"quipsender\" { include \"complete\" };\n"
           "xkb_symbols \"quipsender\" {\n" +
           symbols + "};\n};\n";
}

OwnKeymap keymapForText(std::u32string_view text, const OwnKeymap& current) {
    OwnKeymap grown = current;
    bool fits = true;
    for (const char32_t c : text) {
        const xkb_keysym_t keysym = ownKeymapKeysym(c);
        if (keysym != XKB_KEY_NoSymbol && !grown.place(keysym)) {
            fits = false;
            break;
        }
    }
    if (fits) {
        return grown;
    }
    OwnKeymap fresh;
    for (const char32_t c : text) {
        const xkb_keysym_t keysym = ownKeymapKeysym(c);
        if (keysym != XKB_KEY_NoSymbol) {
            fresh.place(keysym);
        }
    }
    return fresh;
}
