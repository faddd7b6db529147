#pragma once

#include "sending/SendingPlatform.h"

#include <functional>

// Passes every call on to a platform under test; `onRestore` runs after each Restore
// command, as a hook for what may happen between a send's two lookups.
class ForwardingPlatform : public SendingPlatform {
public:
    explicit ForwardingPlatform(SendingPlatform& inner) : inner_(inner) {}

    std::function<void()> onRestore;

    WindowHandle findWindowByCaption(std::string_view caption) override {
        return inner_.findWindowByCaption(caption);
    }
    void forEachTopLevelWindow(const std::function<bool(WindowHandle)>& visit) override {
        inner_.forEachTopLevelWindow(visit);
    }
    std::string windowCaption(WindowHandle window) override { return inner_.windowCaption(window); }
    void sendSystemCommand(WindowHandle window, SystemCommand command) override {
        inner_.sendSystemCommand(window, command);
        if (command == SystemCommand::Restore && onRestore) {
            onRestore();
        }
    }
    bool bringToForeground(WindowHandle window) override {
        return inner_.bringToForeground(window);
    }
    void injectKeyEvent(std::uint8_t code, KeyDirection direction, KeySource source) override {
        inner_.injectKeyEvent(code, direction, source);
    }
    std::uint16_t layoutKey(unsigned char character) override {
        return inner_.layoutKey(character);
    }
    void prepareText(WindowHandle window, std::string_view characters) override {
        inner_.prepareText(window, characters);
    }
    void finishText() override { inner_.finishText(); }
    bool userHoldsModifiers() override { return inner_.userHoldsModifiers(); }
    void releaseUserModifiers() override { inner_.releaseUserModifiers(); }
    bool capsLockOn() override { return inner_.capsLockOn(); }
    void keystrokePause(std::chrono::microseconds duration) override {
        inner_.keystrokePause(duration);
    }
    std::string takeUntypedCharacters() override { return inner_.takeUntypedCharacters(); }

private:
    SendingPlatform& inner_;
};
