#include "sending/x11/X11KeysDown.h"

#include <array>
#include <cstddef>

std::bitset<256> keysDown(Display* display) {
    std::array<char, 32> bytes{};
    XQueryKeymap(display, bytes.data());
    std::bitset<256> down;
    for (std::size_t key = 0; key < down.size(); ++key) {
        down[key] = (static_cast<unsigned char>(bytes[key / 8]) & (1U << (key % 8))) != 0;
    }
    return down;
}
