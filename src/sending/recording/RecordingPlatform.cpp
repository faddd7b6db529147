#include "sending/recording/RecordingPlatform.h"

#include "charset/Cp1252Table.h"
#include "sending/CaptionMatch.h"
#include "sending/VirtualKeys.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string ref(WindowHandle window) {
    return "#" + std::to_string(static_cast<std::uintptr_t>(window));
}

std::string virtualKeyName(std::uint8_t code) {
    switch (code) {
    case kVkShift:
        return "Shift";
    case kVkCtrl:
        return "Ctrl";
    case kVkAlt:
        return "Alt";
    case kVkCapsLock:
        return "Caps";
    default:
        return "vk" + std::to_string(code);
    }
}

std::string characterName(std::uint8_t code) {
    return {'<', static_cast<char>(code), '>'};
}

std::string typedKeyName(std::uint8_t code) {
    if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z')) {
        return {'[', static_cast<char>(code), ']'};
    }
    switch (code) {
    case 0x08:
        return "[Back]";
    case 0x09:
        return "[Tab]";
    case 0x0D:
        return "[Return]";
    case 0x1B:
        return "[Esc]";
    case 0x20:
        return "[Space]";
    default: {
        char hex[8];
        std::snprintf(hex, sizeof hex, "[0x%02X]", code);
        return hex;
    }
    }
}

} // namespace

RecordingPlatform::RecordingPlatform(KeyboardLayout layout) : layout_(layout) {}

WindowHandle RecordingPlatform::openWindow(std::string caption) {
    windows_.push_back({std::move(caption), true, false, {}, {}});
    return static_cast<WindowHandle>(windows_.size());
}

void RecordingPlatform::closeWindow(WindowHandle window) {
    if (Window* w = find(window)) {
        w->open = false;
    }
    if (foreground_ == window) {
        foreground_ = kNullWindow;
    }
}

void RecordingPlatform::refuseFocus(WindowHandle window, bool refused) {
    if (Window* w = find(window)) {
        w->focusRefused = refused;
    }
}

std::vector<std::string> RecordingPlatform::keys() const {
    std::vector<std::string> result;
    std::copy_if(trace_.begin(), trace_.end(), std::back_inserter(result),
                 [](const std::string& e) { return e[0] == '+' || e[0] == '-'; });
    return result;
}

std::string RecordingPlatform::received(WindowHandle window) const {
    const Window* w = find(window);
    return w != nullptr ? w->received : std::string();
}

std::vector<SystemCommand> RecordingPlatform::systemCommands(WindowHandle window) const {
    const Window* w = find(window);
    return w != nullptr ? w->commands : std::vector<SystemCommand>();
}

bool RecordingPlatform::isDown(std::uint8_t virtualKey) const {
    return std::find(down_.begin(), down_.end(), virtualKey) != down_.end();
}

WindowHandle RecordingPlatform::findWindowByCaption(std::string_view caption) {
    record("find " + std::string(caption));
    for (std::size_t i = 0; i < windows_.size(); ++i) {
        if (windows_[i].open && captionEquals(windows_[i].caption, caption)) {
            return static_cast<WindowHandle>(i + 1);
        }
    }
    return kNullWindow;
}

void RecordingPlatform::forEachTopLevelWindow(const std::function<bool(WindowHandle)>& visit) {
    record("enum");
    // Decided up front, as the platform does, so that a visit may close windows.
    std::vector<WindowHandle> order;
    for (std::size_t i = 0; i < windows_.size(); ++i) {
        if (windows_[i].open) {
            order.push_back(static_cast<WindowHandle>(i + 1));
        }
    }
    for (const WindowHandle window : order) {
        if (!visit(window)) {
            return;
        }
    }
}

std::string RecordingPlatform::windowCaption(WindowHandle window) {
    record("caption " + ref(window));
    const Window* w = find(window);
    return w != nullptr && w->open ? w->caption : std::string();
}

void RecordingPlatform::sendSystemCommand(WindowHandle window, SystemCommand command) {
    Window* w = find(window);
    if (w != nullptr && w->open) {
        w->commands.push_back(command);
        if (command == SystemCommand::Hotkey && !w->focusRefused) {
            foreground_ = window;
        }
    }
    record((command == SystemCommand::Hotkey ? "hotkey " : "restore ") + ref(window));
}

bool RecordingPlatform::bringToForeground(WindowHandle window) {
    const Window* w = find(window);
    const bool reached = w != nullptr && w->open && !w->focusRefused;
    if (reached) {
        foreground_ = window;
    }
    record("fg " + ref(window) + (reached ? "" : " failed"));
    return reached;
}

void RecordingPlatform::injectKeyEvent(std::uint8_t code, KeyDirection direction,
                                       KeySource source) {
    const bool isDown = direction == KeyDirection::Down;
    if (source == KeySource::Character) {
        if (isDown) {
            typeCharacterInto(code);
        }
        record((isDown ? "+" : "-") + characterName(code));
        return;
    }
    if (isDown) {
        if (code == kVkCapsLock) {
            capsLock_ = !capsLock_;
        } else if (code != kVkShift && code != kVkCtrl && code != kVkAlt) {
            typeInto(code);
        }
        if (!this->isDown(code)) {
            down_.push_back(code);
        }
    } else {
        down_.erase(std::remove(down_.begin(), down_.end(), code), down_.end());
    }
    const std::string name =
        source == KeySource::VirtualKey ? virtualKeyName(code) : typedKeyName(code);
    record((isDown ? "+" : "-") + name);
}

std::uint16_t RecordingPlatform::layoutKey(unsigned char character) {
    record("scan " + std::string(1, static_cast<char>(character)));
    const std::uint16_t key = recordedLayoutKey(layout_, character);
    const bool dead = key != 0xFFFF && recordedDeadKey(layout_, key & 0xFF, key >> 8);
    return dead ? 0xFFFF : key;
}

void RecordingPlatform::prepareText(WindowHandle, std::string_view characters) {
    prepared_.clear();
    for (const char c : characters) {
        const std::uint16_t key = recordedLayoutKey(layout_, static_cast<unsigned char>(c));
        const bool keyless = key == 0xFFFF || recordedDeadKey(layout_, key & 0xFF, key >> 8);
        if (keyless && isPrintableCp1252(static_cast<unsigned char>(c)) &&
            prepared_.find(c) == std::string::npos) {
            prepared_ += c;
        }
    }
    if (!prepared_.empty()) {
        record("prepare " + prepared_);
    }
}

void RecordingPlatform::finishText() {
    if (!prepared_.empty()) {
        prepared_.clear();
        record("finish");
    }
}

void RecordingPlatform::holdModifier(std::uint8_t virtualKey, std::chrono::microseconds until) {
    userModifiers_.push_back({virtualKey, until});
}

bool RecordingPlatform::userHolds(std::uint8_t virtualKey) const {
    return std::any_of(userModifiers_.begin(), userModifiers_.end(), [&](const UserModifier& m) {
        return m.virtualKey == virtualKey && paused_ < m.until;
    });
}

bool RecordingPlatform::userHoldsModifiers() {
    return userHolds(kVkShift) || userHolds(kVkCtrl) || userHolds(kVkAlt);
}

void RecordingPlatform::releaseUserModifiers() {
    for (UserModifier& modifier : userModifiers_) {
        if (paused_ < modifier.until) {
            modifier.until = paused_;
            record("-" + virtualKeyName(modifier.virtualKey));
        }
    }
}

bool RecordingPlatform::capsLockOn() {
    record("caps?");
    return capsLock_;
}

void RecordingPlatform::keystrokePause(std::chrono::microseconds duration) {
    paused_ += duration;
    record("pause");
}

RecordingPlatform::Window* RecordingPlatform::find(WindowHandle window) {
    const auto index = static_cast<std::size_t>(window);
    return index >= 1 && index <= windows_.size() ? &windows_[index - 1] : nullptr;
}

const RecordingPlatform::Window* RecordingPlatform::find(WindowHandle window) const {
    return const_cast<RecordingPlatform*>(this)->find(window);
}

void RecordingPlatform::record(std::string entry) {
    trace_.push_back(std::move(entry));
    if (hook_) {
        const std::string last = trace_.back(); // the hook may trace more calls
        hook_(last);
    }
}

void RecordingPlatform::typeInto(std::uint8_t virtualKey) {
    Window* target = find(foreground_);
    if (target == nullptr) {
        return;
    }
    const auto held = [&](std::uint8_t vk) { return isDown(vk) || userHolds(vk); };
    const unsigned modifiers =
        (held(kVkShift) ? 1U : 0U) | (held(kVkCtrl) ? 2U : 0U) | (held(kVkAlt) ? 4U : 0U);
    if (const auto c = recordedLayoutCharacter(layout_, virtualKey, modifiers, capsLock_)) {
        target->received += static_cast<char>(*c);
    }
}

void RecordingPlatform::typeCharacterInto(unsigned char character) {
    Window* target = find(foreground_);
    // Only what prepareText() announced has a way in; and, as with any key, nothing while
    // Ctrl or Alt is held.
    const bool held = isDown(kVkCtrl) || isDown(kVkAlt) || userHolds(kVkCtrl) || userHolds(kVkAlt);
    if (target != nullptr && !held &&
        prepared_.find(static_cast<char>(character)) != std::string::npos) {
        target->received += static_cast<char>(character);
    }
}
