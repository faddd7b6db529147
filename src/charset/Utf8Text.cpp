#include "charset/Utf8Text.h"

#include <array>
#include <cstdint>
#include <optional>

namespace {

// The code point at the front of `text`, which is consumed; nothing for a malformed
// sequence, of which one byte is consumed.
std::optional<char32_t> nextCodePoint(std::string_view& text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    char32_t value = 0;
    if (lead < 0x80) {
        text.remove_prefix(1);
        return lead;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
    } else {
        text.remove_prefix(1);
        return std::nullopt;
    }
    if (text.size() < length) {
        text.remove_prefix(1);
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80) {
            text.remove_prefix(1);
            return std::nullopt;
        }
        value = value << 6 | (next & 0x3F);
    }
    // Overlong forms, surrogates and values beyond Unicode are malformed.
    constexpr std::array<char32_t, 5> smallest = {0, 0, 0x80, 0x800, 0x10000};
    if (value < smallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        text.remove_prefix(1);
        return std::nullopt;
    }
    text.remove_prefix(length);
    return value;
}

} // namespace

std::string utf8ToCp1252(std::string_view utf8) {
    std::string result;
    result.reserve(utf8.size());
    while (!utf8.empty()) {
        const auto codePoint = nextCodePoint(utf8);
        const auto byte = codePoint ? unicodeToCp1252(*codePoint) : std::nullopt;
        result += byte ? static_cast<char>(*byte) : '?';
    }
    return result;
}

void appendUtf8(std::string& utf8, char32_t codePoint) {
    if (codePoint < 0x80) {
        utf8 += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        utf8 += static_cast<char>(0xC0 | (codePoint >> 6));
        utf8 += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        utf8 += static_cast<char>(0xE0 | (codePoint >> 12));
        utf8 += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

std::string cp1252ToUtf8(std::string_view cp1252) {
    std::string utf8;
    for (const char c : cp1252) {
        appendUtf8(utf8, cp1252ToUnicode(static_cast<unsigned char>(c)));
    }
    return utf8;
}
