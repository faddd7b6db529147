#pragma once

#include <windows.h>

#include <chrono>

// Sleeps for about as long as asked, down to a millisecond and below. A plain Sleep waits
// whole ticks of the system timer (about 15.6 ms by default), which would make typing crawl.
class KeystrokeTimer {
public:
    enum class Method {
        // A high-resolution waitable timer (Windows 10 1803 and later).
        HighResolutionTimer,
        // Sleep with the timer resolution raised to 1 ms for the pause alone.
        TimerPeriod,
    };

    // Uses the high-resolution timer where the system has one, else the timer period.
    explicit KeystrokeTimer(Method preferred = Method::HighResolutionTimer);
    ~KeystrokeTimer();
    KeystrokeTimer(const KeystrokeTimer&) = delete;
    KeystrokeTimer& operator=(const KeystrokeTimer&) = delete;

    void sleep(std::chrono::microseconds duration);

private:
    HANDLE timer_ = nullptr;
};
