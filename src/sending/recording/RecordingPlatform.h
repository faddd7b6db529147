#pragma once

#include "sending/SendingPlatform.h"
#include "sending/recording/RecordedLayout.h"

#include <chrono>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// A simulated desktop for tests: top-level windows in enumeration order, a keyboard with
// one of the recorded layouts, a user who may still hold modifier keys, and a trace of
// every platform call in order. Key events reach the foreground window, which collects the
// text they type.
//
// Characters that the layout has no key for (a dead key counts as none) are typed as
// themselves, as Unicode input or a key made for the moment would; like the latter, only
// the characters announced by prepareText() arrive.
//
// Trace entries: "find <caption>", "enum", "caption #<n>", "hotkey #<n>", "restore #<n>",
// "fg #<n>" (with " failed" when refused), "caps?", "pause", "scan <character>",
// "prepare <the characters without a key>" and "finish" around a text that has such
// characters, and key events "+<key>" / "-<key>": Shift, Ctrl, Alt, Caps or vk<code> for
// virtual keys, [A], [Return], [0xBB]... for typed-character keys, <é> for characters.
class RecordingPlatform : public SendingPlatform {
public:
    explicit RecordingPlatform(KeyboardLayout layout = KeyboardLayout::German);

    // Opens a window behind all others; handles count from 1 in opening order.
    WindowHandle openWindow(std::string caption);
    void closeWindow(WindowHandle window);
    // While refused, the window never gets the focus.
    void refuseFocus(WindowHandle window, bool refused = true);
    void setCapsLock(bool on) { capsLock_ = on; }
    // The user holds the modifier (kVkShift, kVkCtrl or kVkAlt) until the pauses so far add
    // up to `until`; holding it does not show in the trace, letting go of it does ("-Alt").
    void holdModifier(std::uint8_t virtualKey, std::chrono::microseconds until);
    bool capsLock() const { return capsLock_; }
    // Called after each call is traced, with its entry: lets a test act at that moment.
    void onCall(std::function<void(const std::string&)> hook) { hook_ = std::move(hook); }

    const std::vector<std::string>& trace() const { return trace_; }
    // The key events of the trace alone.
    std::vector<std::string> keys() const;
    std::string received(WindowHandle window) const;
    std::vector<SystemCommand> systemCommands(WindowHandle window) const;
    WindowHandle foreground() const { return foreground_; }
    std::chrono::microseconds paused() const { return paused_; }
    bool isDown(std::uint8_t virtualKey) const;

    WindowHandle findWindowByCaption(std::string_view caption) override;
    void forEachTopLevelWindow(const std::function<bool(WindowHandle)>& visit) override;
    std::string windowCaption(WindowHandle window) override;
    void sendSystemCommand(WindowHandle window, SystemCommand command) override;
    bool bringToForeground(WindowHandle window) override;
    void injectKeyEvent(std::uint8_t code, KeyDirection direction, KeySource source) override;
    std::uint16_t layoutKey(unsigned char character) override;
    bool capsLockOn() override;
    void keystrokePause(std::chrono::microseconds duration) override;
    void prepareText(WindowHandle window, std::string_view characters) override;
    void finishText() override;
    bool userHoldsModifiers() override;
    void releaseUserModifiers() override;

private:
    struct Window {
        std::string caption;
        bool open = true;
        bool focusRefused = false;
        std::string received;
        std::vector<SystemCommand> commands;
    };

    struct UserModifier {
        std::uint8_t virtualKey;
        std::chrono::microseconds until;
    };

    Window* find(WindowHandle window);
    const Window* find(WindowHandle window) const;
    void record(std::string entry);
    void typeInto(std::uint8_t virtualKey);
    void typeCharacterInto(unsigned char character);
    bool userHolds(std::uint8_t virtualKey) const;

    KeyboardLayout layout_;
    std::vector<Window> windows_;
    WindowHandle foreground_ = kNullWindow;
    bool capsLock_ = false;
    std::vector<std::uint8_t> down_;
    std::vector<UserModifier> userModifiers_;
    std::string prepared_;
    std::vector<std::string> trace_;
    std::chrono::microseconds paused_{0};
    std::function<void(const std::string&)> hook_;
};
