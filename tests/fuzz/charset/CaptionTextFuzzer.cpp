// Captions of other programs' windows are UTF-8 of any quality; the conversion to cp1252
// must never read out of bounds, never grow the text, and give back every cp1252 text
// that was turned into UTF-8.
#include "charset/Utf8Text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

std::string cp1252ToUtf8(std::string_view cp1252) {
    std::string utf8;
    for (const char c : cp1252) {
        const char32_t u = cp1252ToUnicode(static_cast<unsigned char>(c));
        if (u < 0x80) {
            utf8 += static_cast<char>(u);
        } else if (u < 0x800) {
            utf8 += static_cast<char>(0xC0 | u >> 6);
            utf8 += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            utf8 += static_cast<char>(0xE0 | u >> 12);
            utf8 += static_cast<char>(0x80 | (u >> 6 & 0x3F));
            utf8 += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return utf8;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    check(utf8ToCp1252(bytes).size() <= size);
    check(utf8ToCp1252(cp1252ToUtf8(bytes)) == bytes);
    return 0;
}
