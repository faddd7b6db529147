#pragma once

#include "sending/WindowHandle.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// The window commands sent synchronously as WM_SYSCOMMAND, with the window itself as lParam.
enum class SystemCommand : std::uint16_t {
    Hotkey = 0xF150,  // activates the window named in lParam
    Restore = 0xF120, // restores a minimised or maximised window
};

enum class KeyDirection { Down, Up };

// Where the code of a key event comes from. VirtualKey: a Windows virtual-key code (Shift,
// Ctrl, Alt, Caps Lock, the named keys of a key sequence). TypedCharacter: the low byte that
// layoutKey() returned for a character being typed; its meaning is the backend's own, so a
// backend may use identities of its own there without colliding with virtual-key codes.
// Character: the cp1252 character itself, one the layout has no key for, typed without the
// layout (Unicode input, or a key that prepareText() made for it).
enum class KeySource { VirtualKey, TypedCharacter, Character };

// Every platform service that sending a key sequence relies on. Texts are cp1252 bytes.
// One implementation per platform (Win32, X11) and a recording one for tests. Calls come
// from one thread, the user-interface thread.
class SendingPlatform {
public:
    virtual ~SendingPlatform() = default;

    // The first top-level window whose whole caption equals `caption`, compared without
    // regard to case as FindWindowA does (CaptionEquals); kNullWindow when there is none.
    virtual WindowHandle findWindowByCaption(std::string_view caption) = 0;

    // Calls `visit` for each top-level window once, in the platform's order (Z order, top
    // first), until `visit` returns false. Hidden, minimised and own windows included.
    virtual void forEachTopLevelWindow(const std::function<bool(WindowHandle)>& visit) = 0;

    // The window's caption; empty when it has none or is gone. Only the first 79 bytes are
    // looked at, so a backend may return the whole caption or just those.
    virtual std::string windowCaption(WindowHandle window) = 0;

    // Sends the command and returns after the window has handled it.
    virtual void sendSystemCommand(WindowHandle window, SystemCommand command) = 0;

    // Makes the window the foreground window with the keyboard focus. Returns false only
    // when keystrokes injected now would certainly not reach it (a null or vanished window,
    // focus that did not arrive within the backend's bounded wait); the caller then types
    // nothing more. Called before every typed character, so it should be cheap when the
    // window already has the focus.
    virtual bool bringToForeground(WindowHandle window) = 0;

    // Injects one key event into the system's input stream (keybd_event with scan code 0 and
    // no flags but key-up). See KeySource for what `code` means.
    virtual void injectKeyEvent(std::uint8_t code, KeyDirection direction, KeySource source) = 0;

    // The key that types `character` in the current keyboard layout, as VkKeyScanA answers:
    // low byte the key, high byte the modifiers (1 Shift, 2 Ctrl, 4 Alt; Ctrl and Alt
    // together are AltGr); 0xFF in either byte when the layout has no key that types it at
    // once. A dead key does not count: it waits for the next key and would change that one.
    virtual std::uint16_t layoutKey(unsigned char character) = 0;

    // Called once per send before its first key, with every character it will type in
    // order, and the window they are for: a backend that has to make keys for the
    // characters without one (KeySource::Character) makes them all here, and returns once
    // the window can read them.
    virtual void prepareText(WindowHandle window, std::string_view characters) {
        static_cast<void>(window);
        static_cast<void>(characters);
    }
    // Called once after the send's last key, also when typing stopped early: gives back
    // what prepareText() took, once the window has read the keys.
    virtual void finishText() {}

    // Whether a modifier key (Shift, Ctrl, Alt, AltGr, a logo key) is down other than one
    // this platform holds for a key sequence: the user's, as of the shortcut that sent.
    virtual bool userHoldsModifiers() = 0;
    // Lets go of those keys with injected key-ups.
    virtual void releaseUserModifiers() = 0;

    // Whether Caps Lock is toggled on (GetKeyState(20) bit 0).
    virtual bool capsLockOn() = 0;

    // A real sleep: the pause before every typed character, so that the target keeps up, and
    // each step of the wait for the user's modifiers.
    virtual void keystrokePause(std::chrono::microseconds duration) = 0;

    // The characters that could not be typed at all since the last call, neither by a key
    // nor as themselves (KWin types only through the user's layout), each once, in the
    // order met: what the user is told after a send. Backends that type every character
    // answer nothing.
    virtual std::string takeUntypedCharacters() { return {}; }
};
