#pragma once

#include <xkbcommon/xkbcommon.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// The keys that type a keysym on a keymap: modifier keys to hold, then the key.
struct KeyStroke {
    std::vector<std::uint32_t> modifierKeys; // evdev codes, pressed in order
    std::uint32_t key = 0;                   // evdev code
    friend bool operator==(const KeyStroke&, const KeyStroke&) = default;
};

// For test messages.
inline std::ostream& operator<<(std::ostream& out, const KeyStroke& s) {
    for (const std::uint32_t m : s.modifierKeys) {
        out << m << '+';
    }
    return out << s.key;
}

// Looks characters up in the compositor's keymap (the user's layout), as the X11 backend
// does in the X server's: which key, on which level, with which modifier keys.
class LayoutLookup {
public:
    // Throws when the keymap text does not compile.
    explicit LayoutLookup(const std::string& keymapText);

    // The lowest level of the first key that has the keysym in the layout (group); keypad
    // keys are left out (Num Lock changes them). Nothing when no key has it.
    std::optional<KeyStroke> find(xkb_keysym_t keysym, xkb_layout_index_t group = 0) const;
    // The strokes that type the keysym: its key, or a dead key and a base character
    // that compose to it (dead_acute then e for é on German).
    std::optional<std::vector<KeyStroke>> strokesFor(xkb_keysym_t keysym,
                                                     xkb_layout_index_t group = 0) const;

private:
    std::unique_ptr<xkb_context, decltype(&xkb_context_unref)> context_;
    std::unique_ptr<xkb_keymap, decltype(&xkb_keymap_unref)> keymap_;
};
