#pragma once

#include "sending/SendingPlatform.h"

#include <windows.h>

#include <string>

// One running typing_target program: its window, found by the process rather than by
// caption, and the text its edit box holds.
class TargetWindow {
public:
    explicit TargetWindow(const std::string& caption, int show = SW_SHOWNORMAL);
    ~TargetWindow();
    TargetWindow(const TargetWindow&) = delete;
    TargetWindow& operator=(const TargetWindow&) = delete;

    HWND hwnd() const { return window_; }
    WindowHandle handle() const;

    // The edit box's text (in cp1252) once every key injected so far has reached the window:
    // types an end marker, waits for it and takes it out, so that keys still queued cannot be
    // missed. Read the window that was typed into before another one comes to the front: Wine drops
    // the keys a window has not taken yet when the foreground moves on.
    std::string received(SendingPlatform& platform) const;
    std::string text() const;

    // Ends the program and waits until its window is gone.
    void close();

private:
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
    HWND editBox_ = nullptr;
};

// Waits up to `seconds` for `condition` to hold, and says whether it does.
template <typename Condition>
bool waitFor(Condition condition, int seconds = 10) {
    for (int i = 0; i < seconds * 100; ++i) {
        if (condition()) {
            return true;
        }
        Sleep(10);
    }
    return condition();
}
