#include "support/wine/TargetWindow.h"

#include "sending/SendKeySequence.h"
#include "sending/win32/Win32Handle.h"
#include "support/wine/TypingTarget.h"

#include <stdexcept>
#include <string_view>
#include <utility>

namespace {

// Keys of their own, or with Shift, on every layout the tests use (under Wine, AltGr keys
// typed as Ctrl+Alt type nothing), in an order that no text of the tests holds.
constexpr std::string_view kEndMarker = "=<>=";

std::string programFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

HWND windowOfProcess(DWORD processId) {
    std::pair<DWORD, HWND> search{processId, nullptr};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto& [id, found] = *reinterpret_cast<std::pair<DWORD, HWND>*>(parameter);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            char className[64] = {};
            GetClassNameA(window, className, sizeof className);
            if (owner == id && std::string(className) == kTypingTargetClass) {
                found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.second;
}

} // namespace

TargetWindow::TargetWindow(const std::string& caption, int show) {
    const std::string program = programFolder() + kTypingTargetProgram;
    std::string commandLine = "\"" + program + "\" " + caption;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    // Now and then Wine fails to start a process right after another one ended.
    DWORD error = 0;
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &startup, &process_)) {
            error = 0;
            break;
        }
        error = GetLastError();
        Sleep(500);
    }
    if (error != 0) {
        throw std::runtime_error("cannot start " + program + ": error " + std::to_string(error));
    }
    WaitForInputIdle(process_.hProcess, 10000);
    waitFor([&] { return (window_ = windowOfProcess(process_.dwProcessId)) != nullptr; });
    if (window_ == nullptr) {
        close();
        throw std::runtime_error("no window of the target program for " + caption);
    }
    editBox_ = FindWindowExA(window_, nullptr, "EDIT", nullptr);
}

TargetWindow::~TargetWindow() {
    close();
}

WindowHandle TargetWindow::handle() const {
    return toWindowHandle(window_);
}

std::string TargetWindow::text() const {
    const auto length = SendMessageW(editBox_, WM_GETTEXTLENGTH, 0, 0);
    std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied =
        SendMessageW(editBox_, WM_GETTEXT, wide.size(), reinterpret_cast<LPARAM>(wide.data()));
    wide.resize(static_cast<std::size_t>(copied));
    // In cp1252, whatever code page Wine runs in; a character beyond it reads as "?".
    const int size = WideCharToMultiByte(1252, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(1252, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size,
                        nullptr, nullptr);
    return text;
}

std::string TargetWindow::received(SendingPlatform& platform) const {
    TypeText(platform, kEndMarker, handle());
    std::string current;
    if (!waitFor([&] {
            current = text();
            return current.size() >= kEndMarker.size() &&
                   current.compare(current.size() - kEndMarker.size(), kEndMarker.size(),
                                   kEndMarker) == 0;
        })) {
        throw std::runtime_error("the end marker never arrived; the window holds \"" + current +
                                 "\"");
    }
    // Take the marker out again, leaving the caret where it was.
    const auto end = static_cast<WPARAM>(current.size());
    SendMessageW(editBox_, EM_SETSEL, end - kEndMarker.size(), static_cast<LPARAM>(end));
    SendMessageW(editBox_, WM_CLEAR, 0, 0);
    current.resize(current.size() - kEndMarker.size());
    return current;
}

void TargetWindow::close() {
    if (process_.hProcess == nullptr) {
        return;
    }
    // Wine takes seconds to end a process after its window is gone: the window is enough.
    const bool closed = window_ != nullptr && PostMessageA(window_, WM_CLOSE, 0, 0) &&
                        waitFor([&] { return !IsWindow(window_); });
    if (!closed) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 10000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
    process_ = {};
}
