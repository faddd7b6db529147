#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// The fuzzer's input read byte by byte; past its end every byte is 0.
class FuzzBytes {
public:
    FuzzBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool done() const { return pos_ >= size_; }
    std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// A broken rule ends the run, so that the fuzzer keeps the input.
inline void check(bool rule) {
    if (!rule) {
        std::abort();
    }
}
