#pragma once

#include <cstddef>

// Bytes on the heap of the whole process, counted at malloc itself: Qt's byte arrays and
// containers allocate there directly, past any operator new.
namespace HeapCounter {
std::size_t current();
// The highest count since the last resetPeak().
std::size_t peak();
void resetPeak();
} // namespace HeapCounter
