#include "support/wine/TargetWindow.h"

#include "sending/SendKeySequence.h"
#include "sending/win32/Win32Handle.h"
#include "support/wine/TypingTarget.h"

#include <stdexcept>
#include <utility>

namespace {

constexpr char kEndMarker = '#';

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
    const auto length = SendMessageA(editBox_, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const auto copied =
        SendMessageA(editBox_, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

std::string TargetWindow::received(SendingPlatform& platform) const {
    TypeText(platform, std::string(1, kEndMarker), handle());
    std::string current;
    if (!waitFor([&] {
            current = text();
            return !current.empty() && current.back() == kEndMarker;
        })) {
        throw std::runtime_error("the end marker never arrived; the window holds \"" + current +
                                 "\"");
    }
    // Take the marker out again, leaving the caret where it was.
    const auto end = static_cast<WPARAM>(current.size());
    SendMessageA(editBox_, EM_SETSEL, end - 1, static_cast<LPARAM>(end));
    SendMessageA(editBox_, WM_CLEAR, 0, 0);
    current.pop_back();
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
