#include "sending/x11/X11Platform.h"

#include "charset/Utf8Text.h"
#include "sending/CaptionMatch.h"
#include "sending/x11/X11Activation.h"
#include "sending/x11/X11Atoms.h"
#include "sending/x11/X11ErrorTrap.h"
#include "sending/x11/X11KeyInjector.h"
#include "sending/x11/X11KeylessCharacters.h"
#include "sending/x11/X11Keymap.h"
#include "sending/x11/X11KeysDown.h"
#include "sending/x11/X11Windows.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <bitset>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};

Window toWindow(WindowHandle handle) {
    return static_cast<Window>(handle);
}

WindowHandle toHandle(Window window) {
    return static_cast<WindowHandle>(window);
}

class X11Platform : public SendingPlatform {
public:
    explicit X11Platform(Display* display)
        : display_(display), atoms_(display), keymap_(display), spareKeys_(display),
          injector_(display, keymap_, spareKeys_), activation_(display, atoms_),
          keyless_(keymap_, spareKeys_, activation_.ping()) {}

    ~X11Platform() override { keyless_.giveBack(); }

    WindowHandle findWindowByCaption(std::string_view caption) override {
        for (const Window window : windows()) {
            if (captionEquals(windowCaption(toHandle(window)), caption)) {
                return toHandle(window);
            }
        }
        return kNullWindow;
    }

    void forEachTopLevelWindow(const std::function<bool(WindowHandle)>& visit) override {
        for (const Window window : windows()) {
            if (!visit(toHandle(window))) {
                return;
            }
        }
    }

    std::string windowCaption(WindowHandle window) override {
        X11ErrorTrap trap(display_.get());
        return utf8ToCp1252(windowCaptionUtf8(display_.get(), atoms_, toWindow(window)));
    }

    void sendSystemCommand(WindowHandle window, SystemCommand command) override {
        if (window == kNullWindow) {
            return;
        }
        if (command == SystemCommand::Hotkey) {
            activation_.activate(toWindow(window));
        } else if (command == SystemCommand::Restore) {
            activation_.restore(toWindow(window));
        }
    }

    bool bringToForeground(WindowHandle window) override {
        takeEvents();
        return activation_.bringToForeground(toWindow(window));
    }

    void injectKeyEvent(std::uint8_t code, KeyDirection direction, KeySource source) override {
        if (source == KeySource::Character && direction == KeyDirection::Down) {
            keyless_.bringIn(code);
        }
        injector_.inject(code, direction, source);
    }

    void prepareText(WindowHandle window, std::string_view characters) override {
        takeEvents();
        keyless_.prepare(toWindow(window), characters);
    }

    void finishText() override {
        injector_.sync();
        keyless_.giveBack();
    }

    bool userHoldsModifiers() override { return !userModifierKeys().empty(); }

    void releaseUserModifiers() override {
        for (const KeyCode key : userModifierKeys()) {
            XTestFakeKeyEvent(display_.get(), key, False, CurrentTime);
        }
        XFlush(display_.get());
    }

    std::uint16_t layoutKey(unsigned char character) override {
        takeEvents();
        return keymap_.layoutKey(character);
    }

    bool capsLockOn() override {
        takeEvents();
        return keymap_.capsLockOn();
    }

    void keystrokePause(std::chrono::microseconds duration) override {
        std::this_thread::sleep_for(duration);
    }

private:
    // Reads what the server has sent without waiting for more.
    void takeEvents() {
        while (XPending(display_.get()) > 0) {
            XEvent event;
            XNextEvent(display_.get(), &event);
            keymap_.takeEvent(event);
            activation_.takeEvent(event);
        }
        keymap_.update();
    }

    // The modifier keys down now that we do not hold.
    std::vector<KeyCode> userModifierKeys() {
        takeEvents();
        const std::bitset<256> down = keysDown(display_.get());
        std::vector<KeyCode> keys;
        for (int key = 8; key < 256; ++key) {
            const auto code = static_cast<KeyCode>(key);
            if (down[static_cast<std::size_t>(key)] && keymap_.isModifierKey(code) &&
                !injector_.holds(code)) {
                keys.push_back(code);
            }
        }
        return keys;
    }

    std::vector<Window> windows() {
        X11ErrorTrap trap(display_.get());
        return topLevelClientWindows(display_.get(), atoms_);
    }

    std::unique_ptr<Display, DisplayCloser> display_;
    X11Atoms atoms_;
    X11Keymap keymap_;
    X11SpareKeys spareKeys_;
    X11KeyInjector injector_;
    X11Activation activation_;
    X11KeylessCharacters keyless_;
};

} // namespace

std::unique_ptr<SendingPlatform> createX11Platform(const char* displayName) {
    Display* display = XOpenDisplay(displayName);
    if (display == nullptr) {
        return nullptr;
    }
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (!XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor)) {
        XCloseDisplay(display);
        return nullptr;
    }
    try {
        return std::make_unique<X11Platform>(display);
    } catch (const std::runtime_error&) {
        // The platform has closed the display on its way out.
        return nullptr;
    }
}
