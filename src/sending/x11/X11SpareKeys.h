#pragma once

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

#include <optional>
#include <string>
#include <vector>

// Keycodes that the keymap leaves empty, lent for the moment to characters that the layout
// has no key for: two to a key, alone and with Shift. Each change is one request, so that
// every client takes in one new keymap. The keys are given back empty as they were found.
class X11SpareKeys {
public:
    struct Place {
        KeyCode key = 0;
        bool shifted = false;
    };

    explicit X11SpareKeys(Display* display);
    ~X11SpareKeys();
    X11SpareKeys(const X11SpareKeys&) = delete;
    X11SpareKeys& operator=(const X11SpareKeys&) = delete;

    // How many characters fit on the spare keys at once; 0 when there are none.
    std::size_t capacity();
    // Puts the characters (cp1252, at most capacity()) on the spare keys, in place of what
    // was lent before.
    void lend(const std::string& characters);
    // Empties the keys that were lent.
    void giveBack();

    bool lent() const { return !characters_.empty(); }
    // Where the character lies now; nothing when it is not lent.
    std::optional<Place> find(unsigned char character) const;
    // The keys lent now.
    std::vector<KeyCode> keys() const;

private:
    void findSpareKeys();
    void change(const std::string& characters);

    Display* display_;
    bool searched_ = false;
    std::vector<KeyCode> spare_;
    std::string characters_;
};
