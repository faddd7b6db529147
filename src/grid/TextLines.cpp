#include "TextLines.h"

#include <cstring>

TextLines::TextLines(QByteArrayView text) : pos_(text.data()), end_(text.data() + text.size()) {
    if (!text.isEmpty()) {
        if (const void* nul = std::memchr(pos_, '\0', static_cast<std::size_t>(text.size()))) {
            end_ = static_cast<const char*>(nul);
        }
    }
}

bool TextLines::next(QByteArrayView& line) {
    if (pos_ == end_) {
        return false;
    }
    const char* stop = pos_;
    while (stop != end_ && *stop != '\r' && *stop != '\n') {
        ++stop;
    }
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
