#include "sending/wayland/WaylandPlatform.h"

#include "charset/Cp1252Table.h"
#include "charset/Utf8Text.h"
#include "sending/CaptionMatch.h"
#include "sending/VirtualKeys.h"
#include "sending/wayland/TypedCharacterCode.h"
#include "sending/wayland/VirtualKeyPositions.h"
#include "sending/wayland/WaylandConnection.h"
#include "sending/wayland/WaylandSeat.h"
#include "sending/wayland/WindowOrder.h"
#include "sending/wayland/kwin/KWinBackend.h"
#include "sending/wayland/wlroots/WlrootsBackend.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <thread>
#include <utility>

namespace {

constexpr std::uint16_t kNoKey = 0xFFFF;

WindowHandle toHandle(std::uint32_t id) {
    return static_cast<WindowHandle>(id);
}

std::uint32_t toId(WindowHandle handle) {
    return static_cast<std::uint32_t>(handle);
}

// The glue between the sending core and a Wayland backend: handles are window ids, and a
// typed character's code is the character itself (typedCharacterCode).
class WaylandPlatform : public SendingPlatform {
public:
    WaylandPlatform(std::unique_ptr<WaylandConnection> connection,
                    std::unique_ptr<WaylandSeat> seat, std::unique_ptr<WaylandBackend> backend)
        : connection_(std::move(connection)), seat_(std::move(seat)), backend_(std::move(backend)) {
    }

    ~WaylandPlatform() override {
        // The backend lingers on its last key; the connection goes after it.
        backend_.reset();
        seat_.reset();
    }

    WindowHandle findWindowByCaption(std::string_view caption) override {
        return guarded(kNullWindow, [&] {
            for (const WaylandWindow& w : currentWindows()) {
                if (captionEquals(utf8ToCp1252(w.title), caption)) {
                    return toHandle(w.id);
                }
            }
            return kNullWindow;
        });
    }

    void forEachTopLevelWindow(const std::function<bool(WindowHandle)>& visit) override {
        const std::vector<WaylandWindow> windows =
            guarded(std::vector<WaylandWindow>{}, [&] { return currentWindows(); });
        for (const WaylandWindow& w : windows) {
            if (!visit(toHandle(w.id))) {
                return;
            }
        }
    }

    std::string windowCaption(WindowHandle window) override {
        return guarded(std::string(), [&] {
            const auto w = find(window);
            return w ? utf8ToCp1252(w->title) : std::string();
        });
    }

    void sendSystemCommand(WindowHandle window, SystemCommand command) override {
        if (window == kNullWindow) {
            return;
        }
        guarded(false, [&] {
            if (command == SystemCommand::Hotkey) {
                backend_->activate(toId(window));
            } else if (command == SystemCommand::Restore) {
                backend_->restore(toId(window));
            }
            return true;
        });
    }

    bool bringToForeground(WindowHandle window) override {
        return guarded(false, [&] {
            const auto w = find(window);
            return w && (w->active || backend_->activate(w->id));
        });
    }

    void injectKeyEvent(std::uint8_t code, KeyDirection direction, KeySource source) override {
        guarded(false, [&] {
            inject(code, direction == KeyDirection::Down, source);
            return true;
        });
    }

    std::uint16_t layoutKey(unsigned char character) override {
        const bool typeable =
            guarded(false, [&] { return backend_->canType(cp1252ToUnicode(character)); });
        if (typeable) {
            return typedCharacterCode(character);
        }
        if (untyped_.find(static_cast<char>(character)) == std::string::npos) {
            untyped_ += static_cast<char>(character);
        }
        return kNoKey;
    }

    bool capsLockOn() override {
        return guarded(false, [&] { return backend_->capsLockOn(); });
    }

    void keystrokePause(std::chrono::microseconds duration) override {
        std::this_thread::sleep_for(std::max(duration, backend_->characterPause()));
    }

    std::string takeUntypedCharacters() override { return std::exchange(untyped_, {}); }

    // Every character of a send before its first key, so that one keymap holds them all.
    void prepareText(WindowHandle window, std::string_view characters) override {
        static_cast<void>(window);
        std::u32string text;
        for (const char c : characters) {
            text += cp1252ToUnicode(static_cast<unsigned char>(c));
        }
        guarded(false, [&] {
            backend_->prepare(text);
            return true;
        });
    }

    // The user's own keys are out of sight of a Wayland client that has no focus: with our
    // own keyboard (wlroots) its modifiers are ours alone; through KWin's fake input a held
    // Alt would still count.
    bool userHoldsModifiers() override { return false; }
    void releaseUserModifiers() override {}

private:
    // A compositor gone (crashed, the session ended) must not end the program: from then on
    // every call does nothing, no window is there, and typing stops as on a lost focus.
    template <typename Result, typename Call>
    Result guarded(Result fallback, Call&& call) {
        if (lost_) {
            return fallback;
        }
        try {
            return call();
        } catch (const std::runtime_error&) {
            lost_ = true;
            return fallback;
        }
    }

    void inject(std::uint8_t code, bool down, KeySource source) {
        if (source == KeySource::TypedCharacter || source == KeySource::Character) {
            // A character without a key (KeySource::Character) is typed only if the backend
            // can after all; layoutKey() has noted it for the user.
            if (down) {
                const unsigned char character =
                    source == KeySource::Character ? code : characterOfTypedCode(code);
                backend_->typeCharacter(cp1252ToUnicode(character));
            }
            return;
        }
        switch (code) {
        case kVkShift:
            backend_->modifier(HeldModifier::Shift, down);
            return;
        case kVkCtrl:
            backend_->modifier(HeldModifier::Ctrl, down);
            return;
        case kVkAlt:
            backend_->modifier(HeldModifier::Alt, down);
            return;
        default:
            if (const auto position = virtualKeyPosition(code)) {
                backend_->namedKey(position->evdev, down);
            }
        }
    }

    // For a lookup: a roundtrip first, so that every window the compositor opened or closed
    // before now is known (a window closed between a send's lookups gets nothing).
    std::vector<WaylandWindow> currentWindows() {
        connection_->roundtrip();
        return topFirst(backend_->windows());
    }

    std::optional<WaylandWindow> find(WindowHandle window) {
        if (window == kNullWindow) {
            return std::nullopt;
        }
        for (WaylandWindow& w : backend_->windows()) {
            if (w.id == toId(window)) {
                return w;
            }
        }
        return std::nullopt;
    }

    std::unique_ptr<WaylandConnection> connection_;
    std::unique_ptr<WaylandSeat> seat_;
    std::unique_ptr<WaylandBackend> backend_;
    bool lost_ = false;
    std::string untyped_;
};

} // namespace

std::unique_ptr<SendingPlatform> createWaylandPlatform(WaylandDesktop desktop,
                                                       const std::string& socket) {
    if (desktop != WaylandDesktop::Wlroots && desktop != WaylandDesktop::KWin) {
        return nullptr;
    }
    try {
        auto connection = std::make_unique<WaylandConnection>(socket);
        auto seat = std::make_unique<WaylandSeat>(*connection);
        std::unique_ptr<WaylandBackend> backend;
        if (desktop == WaylandDesktop::Wlroots) {
            backend = std::make_unique<WlrootsBackend>(*connection, *seat);
        } else {
            backend = std::make_unique<KWinBackend>(*connection, *seat);
        }
        return std::make_unique<WaylandPlatform>(std::move(connection), std::move(seat),
                                                 std::move(backend));
    } catch (const std::runtime_error&) {
        return nullptr;
    }
}
