#include "sending/win32/Win32Platform.h"

#include "sending/win32/KeystrokeTimer.h"
#include "sending/win32/Win32Handle.h"

#include <windows.h>

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

    void injectKeyEvent(std::uint8_t code, KeyDirection direction, KeySource) override {
        // The layout's keys are virtual keys too, so the source makes no difference here.
        keybd_event(code, 0, direction == KeyDirection::Up ? KEYEVENTF_KEYUP : 0, 0);
    }

    std::uint16_t layoutKey(unsigned char character) override {
        return static_cast<std::uint16_t>(VkKeyScanA(static_cast<CHAR>(character)));
    }

    bool capsLockOn() override { return (GetKeyState(VK_CAPITAL) & 1) != 0; }

    void keystrokePause(std::chrono::microseconds duration) override { timer_.sleep(duration); }

private:
    KeystrokeTimer timer_;
};

} // namespace

std::unique_ptr<SendingPlatform> createWin32Platform() {
    return std::make_unique<Win32Platform>();
}
