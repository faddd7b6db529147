#include "sending/x11/X11Keymap.h"

#include "sending/x11/KeysymCharacters.h"

#include <X11/keysym.h>

#include <algorithm>
#include <stdexcept>

namespace {

constexpr std::uint16_t kNoKey = 0xFFFF;
constexpr unsigned kShiftBit = 1;
constexpr unsigned kCtrlBit = 2;
constexpr unsigned kAltGrBits = 6;

std::uint16_t keyWithBits(KeyCode key, unsigned bits) {
    return static_cast<std::uint16_t>(bits << 8 | key);
}

} // namespace

X11Keymap::X11Keymap(Display* display) : display_(display) {
    int opcode = 0;
    int errorBase = 0;
    int major = XkbMajorVersion;
    int minor = XkbMinorVersion;
    if (!XkbQueryExtension(display_, &opcode, &eventBase_, &errorBase, &major, &minor)) {
        throw std::runtime_error("the X server has no XKB");
    }
    constexpr unsigned long mapEvents = XkbNewKeyboardNotifyMask | XkbMapNotifyMask;
    XkbSelectEvents(display_, XkbUseCoreKbd, mapEvents | XkbStateNotifyMask, mapEvents);
    // Of the state only what outlives a key press: group and locked modifiers.
    XkbSelectEventDetails(display_, XkbUseCoreKbd, XkbStateNotify, XkbAllStateComponentsMask,
                          XkbGroupLockMask | XkbGroupStateMask | XkbModifierLockMask);
    load();
}

X11Keymap::~X11Keymap() {
    if (keymap_ != nullptr) {
        XkbFreeKeyboard(keymap_, XkbAllComponentsMask, True);
    }
}

void X11Keymap::takeEvent(const XEvent& event) {
    if (event.type != eventBase_) {
        return;
    }
    const auto& xkb = reinterpret_cast<const XkbEvent&>(event);
    if (xkb.any.xkb_type == XkbMapNotify || xkb.any.xkb_type == XkbNewKeyboardNotify) {
        reloadPending_ = true;
    } else if (xkb.any.xkb_type == XkbStateNotify) {
        takeState(static_cast<unsigned>(xkb.state.group), xkb.state.locked_mods);
    }
}

void X11Keymap::update() {
    if (reloadPending_) {
        reloadPending_ = false;
        load();
    }
}

void X11Keymap::refreshState() {
    XkbStateRec state{};
    XkbGetState(display_, XkbUseCoreKbd, &state);
    takeState(state.group, state.locked_mods);
}

void X11Keymap::takeState(unsigned group, unsigned lockedModifiers) {
    // Caps Lock is off while typing, so the characters' keys are looked up without it.
    lockedModifiers &= ~static_cast<unsigned>(LockMask);
    if (group != group_ || lockedModifiers != lockedModifiers_) {
        group_ = group;
        lockedModifiers_ = lockedModifiers;
        tableValid_ = false;
        keycodes_.clear();
    }
}

unsigned X11Keymap::actionMask(KeyCode key) const {
    // The real modifiers its action sets or locks; the modifier map only as a fallback.
    const XkbAction* action =
        XkbKeyHasActions(keymap_, key) ? XkbKeyActionEntry(keymap_, key, 0, group_) : nullptr;
    if (action != nullptr &&
        (action->type == XkbSA_SetMods || action->type == XkbSA_LatchMods ||
         action->type == XkbSA_LockMods) &&
        action->mods.mask != 0) {
        return action->mods.mask;
    }
    return keymap_->map != nullptr ? keymap_->map->modmap[key] : 0U;
}

void X11Keymap::load() {
    if (keymap_ != nullptr) {
        XkbFreeKeyboard(keymap_, XkbAllComponentsMask, True);
    }
    keymap_ = XkbGetMap(display_, XkbAllMapComponentsMask, XkbUseCoreKbd);
    if (keymap_ == nullptr) {
        throw std::runtime_error("the X server sent no keymap");
    }
    XkbStateRec state{};
    XkbGetState(display_, XkbUseCoreKbd, &state);
    group_ = state.group;
    lockedModifiers_ = state.locked_mods & ~LockMask;
    tableValid_ = false;
    keycodes_.clear();

    level3Key_ = keycodeFor(XK_ISO_Level3_Shift);
    level3Mask_ = level3Key_ != 0 ? actionMask(level3Key_) : 0U;
    if (level3Mask_ == 0) {
        level3Key_ = 0;
    }
    numLockKey_ = keycodeFor(XK_Num_Lock);
    numLockMask_ = numLockKey_ != 0 ? actionMask(numLockKey_) : 0U;
}

KeySym X11Keymap::translate(KeyCode key, unsigned state) const {
    unsigned consumed = 0;
    KeySym keysym = NoSymbol;
    if (!XkbTranslateKeyCode(keymap_, key, state | (group_ << 13), &consumed, &keysym)) {
        return NoSymbol;
    }
    return keysym;
}

X11Keymap::Reach X11Keymap::reach(KeyCode key, KeySym wanted, unsigned held) const {
    const unsigned state = (held | lockedModifiers_) & ~LockMask;
    if (translate(key, state) == wanted) {
        return Reach::AsIs;
    }
    if (translate(key, state ^ ShiftMask) == wanted) {
        return Reach::ToggleShift;
    }
    if (numLockMask_ != 0 && translate(key, state ^ numLockMask_) == wanted) {
        return Reach::ToggleNumLock;
    }
    return Reach::Never;
}

KeySym X11Keymap::keysymAt(KeyCode key, unsigned modifiers) const {
    return translate(key, (modifiers | lockedModifiers_) & ~LockMask);
}

KeySym X11Keymap::keysymAtLevel(KeyCode key, int level) const {
    if (key < keymap_->min_key_code || key > keymap_->max_key_code ||
        XkbKeyNumGroups(keymap_, key) == 0) {
        return NoSymbol;
    }
    const unsigned group =
        group_ < static_cast<unsigned>(XkbKeyNumGroups(keymap_, key)) ? group_ : 0;
    if (level >= XkbKeyGroupWidth(keymap_, key, group)) {
        return NoSymbol;
    }
    return XkbKeySymEntry(keymap_, key, level, group);
}

bool X11Keymap::hasLevel3(KeyCode key, bool shift) const {
    if (level3Mask_ == 0) {
        return false;
    }
    unsigned consumed = 0;
    KeySym keysym = NoSymbol;
    const unsigned state = ((shift ? ShiftMask : 0U) | level3Mask_ | lockedModifiers_) & ~LockMask;
    return XkbTranslateKeyCode(keymap_, key, state | (group_ << 13), &consumed, &keysym) &&
           keysym != NoSymbol && (consumed & level3Mask_) != 0;
}

void X11Keymap::setLentKeys(std::vector<KeyCode> keys) {
    lentKeys_ = std::move(keys);
    tableValid_ = false;
    keycodes_.clear();
}

bool X11Keymap::isModifierKey(KeyCode key) const {
    constexpr unsigned kActing =
        ShiftMask | ControlMask | Mod1Mask | Mod3Mask | Mod4Mask | Mod5Mask;
    return keymap_->map != nullptr && (keymap_->map->modmap[key] & kActing) != 0;
}

KeyCode X11Keymap::keycodeFor(KeySym keysym) {
    if (const auto known = keycodes_.find(keysym); known != keycodes_.end()) {
        return known->second;
    }
    KeyCode best = 0;
    int bestLevel = 0;
    for (int key = keymap_->min_key_code; key <= keymap_->max_key_code; ++key) {
        if (std::find(lentKeys_.begin(), lentKeys_.end(), key) != lentKeys_.end()) {
            continue;
        }
        for (int level = 0; level < 8 && (best == 0 || level < bestLevel); ++level) {
            if (keysymAtLevel(static_cast<KeyCode>(key), level) == keysym) {
                best = static_cast<KeyCode>(key);
                bestLevel = level;
                break;
            }
        }
    }
    keycodes_.emplace(keysym, best);
    return best;
}

std::uint16_t X11Keymap::layoutKey(unsigned char character) {
    if (!tableValid_) {
        buildCharacterTable();
    }
    return characters_[character];
}

void X11Keymap::buildCharacterTable() {
    characters_.fill(kNoKey);
    struct Level {
        unsigned bits;
        unsigned modifiers;
    };
    std::array<Level, 4> levels = {{{0, 0},
                                    {kShiftBit, ShiftMask},
                                    {kAltGrBits, level3Mask_},
                                    {kShiftBit | kAltGrBits, ShiftMask | level3Mask_}}};
    const std::size_t usable = level3Mask_ != 0 ? levels.size() : 2;
    // Lower levels win: the first key found at the lowest level types the character.
    std::array<std::size_t, 256> rank{};
    rank.fill(levels.size());
    for (int key = keymap_->min_key_code; key <= keymap_->max_key_code; ++key) {
        // 0xFF in the low byte would read as "no key".
        if (key == 0xFF || std::find(lentKeys_.begin(), lentKeys_.end(), key) != lentKeys_.end()) {
            continue;
        }
        for (std::size_t i = 0; i < usable; ++i) {
            const KeySym keysym = keysymAt(static_cast<KeyCode>(key), levels[i].modifiers);
            const auto character = cp1252FromKeysym(keysym);
            if (character && i < rank[*character]) {
                rank[*character] = i;
                characters_[*character] = keyWithBits(static_cast<KeyCode>(key), levels[i].bits);
            }
        }
    }
    // Control characters by their keys, as Windows answers: a line feed is Ctrl+Return.
    const auto control = [&](unsigned char c, KeySym keysym, unsigned bits) {
        const KeyCode key = keycodeFor(keysym);
        characters_[c] = key != 0 && key != 0xFF ? keyWithBits(key, bits) : kNoKey;
    };
    control('\t', XK_Tab, 0);
    control('\r', XK_Return, 0);
    control('\n', XK_Return, kCtrlBit);
    control(0x1B, XK_Escape, 0);
    tableValid_ = true;
}

bool X11Keymap::capsLockOn() {
    XkbStateRec state{};
    XkbGetState(display_, XkbUseCoreKbd, &state);
    return (state.locked_mods & LockMask) != 0;
}
