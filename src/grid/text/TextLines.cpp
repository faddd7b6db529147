#include "grid/text/TextLines.h"

#include <algorithm>
#include <cstring>

TextLines::TextLines(QByteArrayView text) : pos_(text.data()), end_(text.data() + text.size()) {
    end_ = find(pos_, '\0');
    nextCr_ = find(pos_, '\r');
    nextLf_ = find(pos_, '\n');
}

const char* TextLines::find(const char* from, char byte) const {
    if (from == end_) {
        return end_;
    }
    const void* found = std::memchr(from, byte, static_cast<std::size_t>(end_ - from));
    return found ? static_cast<const char*>(found) : end_;
}

bool TextLines::next(QByteArrayView& line) {
    if (pos_ == end_) {
        return false;
    }
    if (nextCr_ < pos_) {
        nextCr_ = find(pos_, '\r');
    }
    if (nextLf_ < pos_) {
        nextLf_ = find(pos_, '\n');
    }
    const char* const stop = std::min(nextCr_, nextLf_);
    line = QByteArrayView(pos_, stop - pos_);
    if (stop == end_) {
        pos_ = end_;
    } else {
        pos_ = stop + 1;
        if (*stop == '\r' && pos_ != end_ && *pos_ == '\n') {
            ++pos_;
        }
    }
    return true;
}
