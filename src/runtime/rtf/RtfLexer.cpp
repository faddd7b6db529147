#include "runtime/rtf/RtfLexer.h"

#include "runtime/WholeNumber.h"

#include <algorithm>
#include <limits>

namespace {

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

RtfToken RtfLexer::next() {
    RtfToken token;
    // Line ends carry no meaning in RTF; runs of text stop at them so they can be left out.
    while (pos_ < input_.size() && (input_[pos_] == '\r' || input_[pos_] == '\n')) {
        ++pos_;
    }
    if (pos_ >= input_.size()) {
        return token;
    }
    const char c = input_[pos_];
    if (c == '{' || c == '}') {
        token.kind = c == '{' ? RtfToken::GroupStart : RtfToken::GroupEnd;
        token.text = input_.sliced(pos_++, 1);
        return token;
    }
    if (c != '\\') {
        const qsizetype start = pos_;
        while (pos_ < input_.size() && input_[pos_] != '\\' && input_[pos_] != '{' &&
               input_[pos_] != '}' && input_[pos_] != '\r' && input_[pos_] != '\n') {
            ++pos_;
        }
        token.kind = RtfToken::Text;
        token.text = input_.sliced(start, pos_ - start);
        return token;
    }

    ++pos_; // the backslash
    if (pos_ >= input_.size()) {
        return token;
    }
    const char after = input_[pos_];
    if (isLetter(after)) {
        return controlWord();
    }
    if (after == '\'') {
        ++pos_;
        int value = 0;
        int digits = 0;
        while (digits < 2 && pos_ < input_.size() && hexDigitValue(input_[pos_]) >= 0) {
            value = value * 16 + hexDigitValue(input_[pos_++]);
            ++digits;
        }
        if (digits == 0) {
            token.kind = RtfToken::Text; // nothing to decode: an empty run
            return token;
        }
        token.kind = RtfToken::HexByte;
        token.byte = static_cast<unsigned char>(value);
        return token;
    }
    token.kind = RtfToken::ControlSymbol;
    token.text = input_.sliced(pos_++, 1);
    // A backslash before a line end is a paragraph mark; both count as one symbol.
    if (after == '\r' && pos_ < input_.size() && input_[pos_] == '\n') {
        ++pos_;
    }
    return token;
}

RtfToken RtfLexer::controlWord() {
    RtfToken token;
    token.kind = RtfToken::ControlWord;
    const qsizetype start = pos_;
    while (pos_ < input_.size() && isLetter(input_[pos_])) {
        ++pos_;
    }
    token.text = input_.sliced(start, std::min(pos_ - start, kMaxWordLength));

    bool negative = false;
    if (pos_ + 1 < input_.size() && input_[pos_] == '-' && isDigit(input_[pos_ + 1])) {
        negative = true;
        ++pos_;
    }
    if (pos_ < input_.size() && isDigit(input_[pos_])) {
        // Saturate instead of overflowing; no sensible parameter comes near the limit.
        constexpr long long limit = std::numeric_limits<int>::max();
        long long value = 0;
        while (pos_ < input_.size() && isDigit(input_[pos_])) {
            value = std::min(limit + 1, value * 10 + (input_[pos_++] - '0'));
        }
        token.hasParameter = true;
        token.parameter = static_cast<int>(negative ? -value : std::min(value, limit));
    }
    if (pos_ < input_.size() && input_[pos_] == ' ') {
        ++pos_;
    }
    return token;
}

void RtfLexer::skipBytes(qint64 count) {
    if (count > 0) {
        pos_ += static_cast<qsizetype>(std::min<qint64>(count, input_.size() - pos_));
    }
}
