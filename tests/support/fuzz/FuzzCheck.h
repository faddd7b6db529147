#pragma once

#include <cstdlib>

// A violated property is a finding: abort so that libFuzzer keeps the input.
inline void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}
