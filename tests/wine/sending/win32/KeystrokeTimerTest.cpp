#include "sending/win32/KeystrokeTimer.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

using namespace std::chrono_literals;

TEST(KeystrokeTimer, EachMethodReallySleeps) {
    for (const auto method :
         {KeystrokeTimer::Method::HighResolutionTimer, KeystrokeTimer::Method::TimerPeriod}) {
        KeystrokeTimer timer(method);
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < 20; ++i) {
            timer.sleep(1000us);
        }
        // Windows may end a sleep up to a timer tick early: half the time is the bound.
        EXPECT_GE(std::chrono::steady_clock::now() - start, 10ms);
    }
}

} // namespace
