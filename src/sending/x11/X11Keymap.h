#pragma once

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

// The server's current XKB keymap and group, as one connection sees them. Changes that the
// server announces (another layout, another group, Num Lock) are taken in by update().
class X11Keymap {
public:
    explicit X11Keymap(Display* display);
    ~X11Keymap();
    X11Keymap(const X11Keymap&) = delete;
    X11Keymap& operator=(const X11Keymap&) = delete;

    // Takes in an event the server sent: keymap, group and lock changes.
    void takeEvent(const XEvent& event);
    // Loads the keymap again if an event said it changed.
    void update();
    // Asks the server for the group and locked modifiers now, after our own key events.
    void refreshState();

    // As VkKeyScanA answers: low byte the key (here its keycode), high byte 1 Shift,
    // 6 Ctrl+Alt (the level-3 shift, AltGr), 7 both; 0xFFFF when no key types it at once
    // (a dead key does not).
    std::uint16_t layoutKey(unsigned char character);

    // Keys that are lent out for the moment (X11SpareKeys): not the layout's, so never an
    // answer of layoutKey() or keycodeFor().
    void setLentKeys(std::vector<KeyCode> keys);

    // Whether the key is a modifier that acts on the keys typed with it: Shift, Control,
    // Alt, the logo keys, AltGr; not the lock keys.
    bool isModifierKey(KeyCode key) const;

    // The key that has `keysym` at the lowest level in the current group; 0 if none has.
    KeyCode keycodeFor(KeySym keysym);

    // The keysym that the key types with these real modifiers held, in the current group
    // and with the locked modifiers but Caps Lock as they are.
    KeySym keysymAt(KeyCode key, unsigned modifiers) const;
    // The keysym of one level of the key in the current group, whatever selects it.
    KeySym keysymAtLevel(KeyCode key, int level) const;
    // Whether the key types a symbol of its own at level 3 (4 with Shift).
    bool hasLevel3(KeyCode key, bool shift) const;

    // What makes the key type `wanted` while the modifiers `held` are down.
    enum class Reach { AsIs, ToggleShift, ToggleNumLock, Never };
    Reach reach(KeyCode key, KeySym wanted, unsigned held) const;
    KeyCode numLockKey() const { return numLockKey_; }

    // The level-3 shift (ISO_Level3_Shift, AltGr) and the real modifiers it sets; 0 when
    // the layout has none.
    KeyCode level3Key() const { return level3Key_; }
    unsigned level3Mask() const { return level3Mask_; }

    // Asks the server.
    bool capsLockOn();

private:
    void load();
    void takeState(unsigned group, unsigned lockedModifiers);
    KeySym translate(KeyCode key, unsigned state) const;
    unsigned actionMask(KeyCode key) const;
    void buildCharacterTable();

    Display* display_;
    int eventBase_ = 0;
    XkbDescPtr keymap_ = nullptr;
    unsigned group_ = 0;
    unsigned lockedModifiers_ = 0;
    KeyCode level3Key_ = 0;
    unsigned level3Mask_ = 0;
    KeyCode numLockKey_ = 0;
    unsigned numLockMask_ = 0;
    bool tableValid_ = false;
    bool reloadPending_ = false;
    std::array<std::uint16_t, 256> characters_{};
    std::unordered_map<KeySym, KeyCode> keycodes_;
    std::vector<KeyCode> lentKeys_;
};
