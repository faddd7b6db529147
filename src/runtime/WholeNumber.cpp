#include "runtime/WholeNumber.h"

#include "runtime/Cp1252.h"
#include "runtime/Messages.h"
#include "runtime/QuipError.h"

#include <cstdint>

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::optional<int> parseWholeNumber(QByteArrayView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < n && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < n && text[i] == '$') {
        hex = true;
        ++i;
    } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i == n) {
        return std::nullopt;
    }

    // Both limits fit well inside 64 bits, so checking after each digit cannot overflow.
    const std::uint64_t limit = hex ? 0xFFFFFFFFu : (negative ? 2147483648u : 2147483647u);
    std::uint64_t magnitude = 0;
    for (; i < n; ++i) {
        const int digit =
            hex ? hexDigitValue(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
        if (digit < 0) {
            return std::nullopt;
        }
        magnitude = magnitude * (hex ? 16 : 10) + static_cast<std::uint64_t>(digit);
        if (magnitude > limit) {
            return std::nullopt;
        }
    }
    auto bits = static_cast<std::uint32_t>(magnitude);
    if (negative) {
        bits = 0u - bits;
    }
    return static_cast<int>(static_cast<std::int32_t>(bits));
}

int toWholeNumber(QByteArrayView text) {
    if (const auto number = parseWholeNumber(text)) {
        return *number;
    }
    throw QuipError::format(Messages::kNotAnInteger, fromCp1252(text));
}

bool toBoolean(QByteArrayView text, bool defaultValue) {
    const auto number = parseWholeNumber(text);
    return number ? *number != 0 : defaultValue;
}
