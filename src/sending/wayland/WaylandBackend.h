#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A toplevel window as the compositor lists it. Ids are ours, never reused in one run.
struct WaylandWindow {
    std::uint32_t id = 0;
    std::string title; // UTF-8, as Wayland has it
    bool active = false;
    bool minimized = false;
    // When it last became active, counted in events; 0 when never seen active.
    std::uint64_t activatedAt = 0;
};

enum class HeldModifier { Shift, Ctrl, Alt };

// How long activation takes at most before the window counts as not reached.
inline constexpr std::chrono::milliseconds kActivationTimeout{1000};
// After the compositor says a window is active, XWayland still has to give the X window the
// focus: keys sent at once went to the window that had it before (Ctrl+A into Chromium
// under XWayland was lost now and then).
inline constexpr std::chrono::milliseconds kActivationSettle{100};

// What a send needs from a Wayland compositor: its window list, activation and keys.
class WaylandBackend {
public:
    virtual ~WaylandBackend() = default;

    // Every toplevel (XWayland ones included), from the events received so far.
    virtual std::vector<WaylandWindow> windows() = 0;
    // Unminimises and activates the window; true once the compositor says it is active, and
    // when the focus moved, kActivationSettle later.
    virtual bool activate(std::uint32_t id) = 0;
    virtual void restore(std::uint32_t id) = 0;
    // Sends what is queued and reads what the compositor has sent, without waiting.
    virtual void sync() = 0;

    // Called before the keys of a text, with every character it holds, so that a backend
    // with a keymap of its own can make it in one piece.
    virtual void prepare(std::u32string_view text) = 0;
    // Whether the character can be typed (a key, or a composition, for it).
    virtual bool canType(char32_t character) = 0;
    // Presses and releases what types the character; nothing when it has no key.
    virtual void typeCharacter(char32_t character) = 0;
    // A modifier that a key sequence holds across the following keys.
    virtual void modifier(HeldModifier modifier, bool down) = 0;
    // A key of the key-sequence language on its own position (evdev code).
    virtual void namedKey(std::uint32_t evdev, bool down) = 0;
    virtual bool capsLockOn() = 0;
    // The pause before each character that the compositor and its clients need.
    virtual std::chrono::microseconds characterPause() const = 0;
};
