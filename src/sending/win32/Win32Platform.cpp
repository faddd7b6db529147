#include "sending/win32/Win32Platform.h"

#include "charset/Cp1252Table.h"
#include "sending/VirtualKeys.h"
#include "sending/win32/KeystrokeTimer.h"
#include "sending/win32/Win32Handle.h"

#include <windows.h>

#include <array>
#include <chrono>
#include <exception>
#include <string>

namespace {

// How long a window of another process may take to come to the front after it was asked.
constexpr std::chrono::milliseconds kForegroundWait{500};

// Room for 79 bytes and the terminator, as the lookup reads captions.
constexpr int kCaptionBufferSize = 80;

// Whether keystrokes sent now reach `window`: it is the foreground window, or the foreground
// window is one it owns (a modal dialog of it takes the activation in its place).
bool holdsForeground(HWND window) {
    const HWND foreground = GetForegroundWindow();
    return foreground != nullptr &&
           (foreground == window || GetAncestor(foreground, GA_ROOTOWNER) == window);
}

// Whether the foreground window's thread has handled its activation and set the keyboard
// focus. Until then keys have no window to go to; Wine drops them.
bool focusArrived() {
    const HWND foreground = GetForegroundWindow();
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return foreground != nullptr &&
           GetGUIThreadInfo(GetWindowThreadProcessId(foreground, nullptr), &info) &&
           info.hwndFocus != nullptr;
}

// The modifier keys the user may still hold when typing begins, each with the generic key
// that stands for it in a key sequence, and whether it is an extended key.
struct UserModifierKey {
    BYTE key;
    BYTE generic;
    bool extended;
};
constexpr std::array<UserModifierKey, 8> kUserModifierKeys = {{
    {VK_LSHIFT, VK_SHIFT, false},
    {VK_RSHIFT, VK_SHIFT, false},
    {VK_LCONTROL, VK_CONTROL, false},
    {VK_RCONTROL, VK_CONTROL, true},
    {VK_LMENU, VK_MENU, false},
    {VK_RMENU, VK_MENU, true}, // AltGr is Ctrl and right Alt
    {VK_LWIN, VK_LWIN, true},
    {VK_RWIN, VK_RWIN, true},
}};

void sendKeyboardInput(WORD virtualKey, WORD scan, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = scan;
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

// Whether the key types its character only together with the next key. ToUnicodeEx with
// flag 4 leaves the keyboard state alone; where that flag is not known, the dead key it
// took in is taken out again by a second call.
bool isDeadKey(BYTE virtualKey, BYTE modifiers) {
    BYTE state[256] = {};
    if ((modifiers & 1) != 0) {
        state[VK_SHIFT] = 0x80;
    }
    if ((modifiers & 2) != 0) {
        state[VK_CONTROL] = 0x80;
    }
    if ((modifiers & 4) != 0) {
        state[VK_MENU] = 0x80;
    }
    const HKL layout = GetKeyboardLayout(0);
    const UINT scan = MapVirtualKeyExA(virtualKey, MAPVK_VK_TO_VSC, layout);
    WCHAR buffer[8] = {};
    constexpr UINT kKeepKeyboardState = 4;
    if (ToUnicodeEx(virtualKey, scan, state, buffer, 8, kKeepKeyboardState, layout) >= 0) {
        return false;
    }
    ToUnicodeEx(virtualKey, scan, state, buffer, 8, kKeepKeyboardState, layout);
    return true;
}

struct Enumeration {
    const std::function<bool(WindowHandle)>* visit;
    std::exception_ptr error;
};

// An exception must not unwind through EnumWindows: it is kept and thrown again after.
BOOL CALLBACK visitWindow(HWND hwnd, LPARAM parameter) {
    auto& enumeration = *reinterpret_cast<Enumeration*>(parameter);
    try {
        return (*enumeration.visit)(toWindowHandle(hwnd)) ? TRUE : FALSE;
    } catch (...) {
        enumeration.error = std::current_exception();
        return FALSE;
    }
}

class Win32Platform final : public SendingPlatform {
public:
    WindowHandle findWindowByCaption(std::string_view caption) override {
        // A Windows caption ends at its first NUL, so no caption holds one.
        if (caption.find('\0') != std::string_view::npos) {
            return kNullWindow;
        }
        return toWindowHandle(FindWindowA(nullptr, std::string(caption).c_str()));
    }

    void forEachTopLevelWindow(const std::function<bool(WindowHandle)>& visit) override {
        Enumeration enumeration{&visit, nullptr};
        EnumWindows(visitWindow, reinterpret_cast<LPARAM>(&enumeration));
        if (enumeration.error) {
            std::rethrow_exception(enumeration.error);
        }
    }

    std::string windowCaption(WindowHandle window) override {
        // Wine answers for the null window with text of its own.
        if (window == kNullWindow) {
            return {};
        }
        char buffer[kCaptionBufferSize] = {};
        const int length = GetWindowTextA(toHwnd(window), buffer, kCaptionBufferSize);
        return std::string(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
    }

    void sendSystemCommand(WindowHandle window, SystemCommand command) override {
        const HWND hwnd = toHwnd(window);
        SendMessageA(hwnd, WM_SYSCOMMAND, static_cast<WPARAM>(command),
                     reinterpret_cast<LPARAM>(hwnd));
    }

    bool bringToForeground(WindowHandle window) override {
        const HWND hwnd = toHwnd(window);
        if (hwnd == nullptr || !IsWindow(hwnd)) {
            return false;
        }
        if (holdsForeground(hwnd)) {
            return true;
        }
        // The result of SetForegroundWindow says little: the activation by the system
        // command may have worked all the same. The window's own thread completes it.
        SetForegroundWindow(hwnd);
        const auto deadline = std::chrono::steady_clock::now() + kForegroundWait;
        while (IsWindow(hwnd)) {
            const bool holds = holdsForeground(hwnd);
            if (holds && focusArrived()) {
                return true;
            }
            if (std::chrono::steady_clock::now() >= deadline) {
                // In front without a focus it may still take keys; behind another window,
                // or with none in front, it gets none.
                return holds;
            }
            Sleep(1);
        }
        return false;
    }

    void injectKeyEvent(std::uint8_t code, KeyDirection direction, KeySource source) override {
        const DWORD up = direction == KeyDirection::Up ? KEYEVENTF_KEYUP : 0;
        if (source == KeySource::Character) {
            sendKeyboardInput(0, cp1252ToUnicode(code), KEYEVENTF_UNICODE | up);
            return;
        }
        // The layout's keys are virtual keys too, so the other sources are alike here.
        keybd_event(code, 0, up, 0);
        if (code == kVkShift || code == kVkCtrl || code == kVkAlt) {
            held_[code] = direction == KeyDirection::Down;
        }
    }

    std::uint16_t layoutKey(unsigned char character) override {
        // The character is cp1252 whatever the system's code page: VkKeyScanA would read it in
        // that one (a Polish system's 0xB9 is ą, not ¹).
        const auto key = static_cast<std::uint16_t>(VkKeyScanW(cp1252ToUnicode(character)));
        const auto virtualKey = static_cast<BYTE>(key & 0xFF);
        const auto modifiers = static_cast<BYTE>(key >> 8);
        if (virtualKey != 0xFF && modifiers != 0xFF && isDeadKey(virtualKey, modifiers)) {
            return 0xFFFF;
        }
        return key;
    }

    bool userHoldsModifiers() override {
        for (const UserModifierKey& modifier : kUserModifierKeys) {
            if (userHolds(modifier)) {
                return true;
            }
        }
        return false;
    }

    void releaseUserModifiers() override {
        for (const UserModifierKey& modifier : kUserModifierKeys) {
            if (userHolds(modifier)) {
                sendKeyboardInput(modifier.key, 0,
                                  KEYEVENTF_KEYUP |
                                      (modifier.extended ? KEYEVENTF_EXTENDEDKEY : 0));
            }
        }
    }

    bool capsLockOn() override { return (GetKeyState(VK_CAPITAL) & 1) != 0; }

    void keystrokePause(std::chrono::microseconds duration) override { timer_.sleep(duration); }

private:
    bool userHolds(const UserModifierKey& modifier) const {
        // A key of ours that a key sequence holds is not the user's.
        return (GetAsyncKeyState(modifier.key) & 0x8000) != 0 && !held_[modifier.generic];
    }

    KeystrokeTimer timer_;
    // Shift, Ctrl and Alt by their generic keys: whether a key sequence holds them down.
    std::array<bool, 256> held_{};
};

} // namespace

std::unique_ptr<SendingPlatform> createWin32Platform() {
    return std::make_unique<Win32Platform>();
}
