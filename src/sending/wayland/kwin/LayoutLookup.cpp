#include "sending/wayland/kwin/LayoutLookup.h"

#include <xkbcommon/xkbcommon-compose.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <stdexcept>

namespace {

bool isKeypad(xkb_keysym_t keysym) {
    return keysym >= XKB_KEY_KP_Space && keysym <= XKB_KEY_KP_9;
}

// Keys of the main block only: multimedia keys high up carry characters too (a Euro key),
// and browsers act on those positions.
bool isTypingKey(xkb_keycode_t keycode) {
    const xkb_keycode_t evdev = keycode - 8;
    return evdev >= 1 && evdev <= 86 && !(evdev >= 59 && evdev <= 68) &&
           !(evdev >= 69 && evdev <= 83);
}

// The modifier keys we press for a level, by the keysym on their first level.
constexpr xkb_keysym_t kModifierKeysyms[] = {XKB_KEY_Shift_L, XKB_KEY_ISO_Level3_Shift,
                                             XKB_KEY_Shift_R, XKB_KEY_Mode_switch,
                                             XKB_KEY_ISO_Level5_Shift};

struct ModifierKey {
    std::uint32_t mask;
    std::uint32_t evdev;
};

// What each modifier key sets, found by pressing it on a scratch state. The usual
// positions first: German has ISO_Level3_Shift on right Alt and on a key at code 84 too,
// which browsers swallow.
std::vector<ModifierKey> modifierKeys(xkb_keymap* keymap) {
    std::vector<xkb_keycode_t> order{42 + 8, 100 + 8, 54 + 8};
    for (xkb_keycode_t kc = xkb_keymap_min_keycode(keymap); kc <= xkb_keymap_max_keycode(keymap);
         ++kc) {
        order.push_back(kc);
    }
    std::vector<ModifierKey> keys;
    std::uint32_t seen = 0;
    for (const xkb_keycode_t kc : order) {
        const xkb_keysym_t* syms = nullptr;
        if (xkb_keymap_key_get_syms_by_level(keymap, kc, 0, 0, &syms) != 1 ||
            std::find(std::begin(kModifierKeysyms), std::end(kModifierKeysyms), syms[0]) ==
                std::end(kModifierKeysyms)) {
            continue;
        }
        xkb_state* state = xkb_state_new(keymap);
        xkb_state_update_key(state, kc, XKB_KEY_DOWN);
        const std::uint32_t mask = xkb_state_serialize_mods(state, XKB_STATE_MODS_DEPRESSED);
        xkb_state_unref(state);
        if (mask != 0 && (seen & mask) == 0) {
            keys.push_back({mask, kc - 8});
            seen |= mask;
        }
    }
    return keys;
}

// The modifier keys whose masks add up to exactly `mask`; nothing when they cannot.
std::optional<std::vector<std::uint32_t>> keysForMask(const std::vector<ModifierKey>& keys,
                                                      std::uint32_t mask) {
    std::vector<std::uint32_t> chosen;
    std::uint32_t covered = 0;
    for (const ModifierKey& k : keys) {
        if ((k.mask & mask) == k.mask && (covered & k.mask) == 0) {
            chosen.push_back(k.evdev);
            covered |= k.mask;
        }
    }
    if (covered != mask) {
        return std::nullopt;
    }
    return chosen;
}

std::string composeLocale() {
    for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return value;
        }
    }
    return "C";
}

} // namespace

LayoutLookup::LayoutLookup(const std::string& keymapText)
    : context_(xkb_context_new(XKB_CONTEXT_NO_FLAGS), xkb_context_unref),
      keymap_(xkb_keymap_new_from_string(context_.get(), keymapText.c_str(),
                                         XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS),
              xkb_keymap_unref) {
    if (!keymap_) {
        throw std::runtime_error("the compositor's keymap does not compile");
    }
}

std::optional<KeyStroke> LayoutLookup::find(xkb_keysym_t keysym, xkb_layout_index_t group) const {
    xkb_keymap* keymap = keymap_.get();
    const auto modifiers = modifierKeys(keymap);
    std::optional<KeyStroke> best;
    xkb_level_index_t bestLevel = 0;
    for (xkb_keycode_t kc = xkb_keymap_min_keycode(keymap); kc <= xkb_keymap_max_keycode(keymap);
         ++kc) {
        const xkb_layout_index_t layouts = xkb_keymap_num_layouts_for_key(keymap, kc);
        if (layouts == 0 || !isTypingKey(kc)) {
            continue;
        }
        const xkb_layout_index_t layout = group < layouts ? group : 0;
        const xkb_keysym_t* first = nullptr;
        if (xkb_keymap_key_get_syms_by_level(keymap, kc, layout, 0, &first) == 1 &&
            isKeypad(first[0])) {
            continue;
        }
        for (xkb_level_index_t level = 0; level < xkb_keymap_num_levels_for_key(keymap, kc, layout);
             ++level) {
            const xkb_keysym_t* syms = nullptr;
            if (xkb_keymap_key_get_syms_by_level(keymap, kc, layout, level, &syms) != 1 ||
                syms[0] != keysym) {
                continue;
            }
            if (best && bestLevel <= level) {
                break;
            }
            xkb_mod_mask_t masks[8];
            const std::size_t count =
                xkb_keymap_key_get_mods_for_level(keymap, kc, layout, level, masks, 8);
            for (std::size_t i = 0; i < count; ++i) {
                if (auto keys = keysForMask(modifiers, masks[i])) {
                    best = KeyStroke{*keys, kc - 8};
                    bestLevel = level;
                    break;
                }
            }
        }
    }
    return best;
}

std::optional<std::vector<KeyStroke>> LayoutLookup::strokesFor(xkb_keysym_t keysym,
                                                               xkb_layout_index_t group) const {
    if (auto direct = find(keysym, group)) {
        return std::vector<KeyStroke>{*direct};
    }
    // Dead key, then a base character, through the compose table the clients use.
    std::unique_ptr<xkb_compose_table, decltype(&xkb_compose_table_unref)> table(
        xkb_compose_table_new_from_locale(context_.get(), composeLocale().c_str(),
                                          XKB_COMPOSE_COMPILE_NO_FLAGS),
        xkb_compose_table_unref);
    if (!table) {
        return std::nullopt;
    }
    std::unique_ptr<xkb_compose_state, decltype(&xkb_compose_state_unref)> state(
        xkb_compose_state_new(table.get(), XKB_COMPOSE_STATE_NO_FLAGS), xkb_compose_state_unref);
    for (xkb_keysym_t dead = XKB_KEY_dead_grave; dead <= XKB_KEY_dead_greek; ++dead) {
        const auto deadStroke = find(dead, group);
        if (!deadStroke) {
            continue;
        }
        // Base characters, and the dead key itself (´ is acute twice on German).
        std::vector<xkb_keysym_t> bases{dead};
        for (xkb_keysym_t base = XKB_KEY_space; base <= XKB_KEY_ydiaeresis; ++base) {
            bases.push_back(base);
        }
        for (const xkb_keysym_t base : bases) {
            xkb_compose_state_reset(state.get());
            xkb_compose_state_feed(state.get(), dead);
            xkb_compose_state_feed(state.get(), base);
            if (xkb_compose_state_get_status(state.get()) != XKB_COMPOSE_COMPOSED ||
                xkb_compose_state_get_one_sym(state.get()) != keysym) {
                continue;
            }
            if (const auto baseStroke = find(base, group)) {
                return std::vector<KeyStroke>{*deadStroke, *baseStroke};
            }
        }
    }
    return std::nullopt;
}
