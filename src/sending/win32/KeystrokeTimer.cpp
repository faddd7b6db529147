#include "sending/win32/KeystrokeTimer.h"

#include <mmsystem.h>

// Older SDK headers lack the flag; systems before Windows 10 1803 refuse it.
#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

KeystrokeTimer::KeystrokeTimer(Method preferred) {
    if (preferred == Method::HighResolutionTimer) {
        timer_ = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                        TIMER_ALL_ACCESS);
    }
}

KeystrokeTimer::~KeystrokeTimer() {
    if (timer_ != nullptr) {
        CloseHandle(timer_);
    }
}

void KeystrokeTimer::sleep(std::chrono::microseconds duration) {
    if (duration.count() <= 0) {
        return;
    }
    if (timer_ != nullptr) {
        LARGE_INTEGER due;
        due.QuadPart = -static_cast<LONGLONG>(duration.count()) * 10; // relative, 100 ns units
        if (SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, FALSE) &&
            WaitForSingleObject(timer_, INFINITE) == WAIT_OBJECT_0) {
            return;
        }
    }
    // Raised only around the pause: a finer system timer costs power while it is held.
    const auto milliseconds = std::chrono::ceil<std::chrono::milliseconds>(duration);
    timeBeginPeriod(1);
    Sleep(static_cast<DWORD>(milliseconds.count()));
    timeEndPeriod(1);
}
