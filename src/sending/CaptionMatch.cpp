#include "sending/CaptionMatch.h"

#include "sending/AsciiText.h"

#include <algorithm>

namespace {

unsigned char foldCp1252(unsigned char c) {
    if (isAsciiLetter(c)) {
        return static_cast<unsigned char>(asciiUpper(static_cast<char>(c)));
    }
    // à..þ to À..Þ, but not ÷ (0xF7); š œ ž ÿ to Š Œ Ž Ÿ. ß and µ have no upper case here.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) {
        return static_cast<unsigned char>(c - 0x20);
    }
    switch (c) {
    case 0x9A:
        return 0x8A;
    case 0x9C:
        return 0x8C;
    case 0x9E:
        return 0x8E;
    case 0xFF:
        return 0x9F;
    default:
        return c;
    }
}

} // namespace

bool captionStartsWith(std::string_view caption, std::string_view title) {
    if (caption.size() < title.size()) {
        return false;
    }
    return std::equal(title.begin(), title.end(), caption.begin(),
                      [](char t, char c) { return asciiUpper(t) == asciiUpper(c); });
}

bool captionEquals(std::string_view caption, std::string_view title) {
    return std::equal(caption.begin(), caption.end(), title.begin(), title.end(),
                      [](char a, char b) {
                          return foldCp1252(static_cast<unsigned char>(a)) ==
                                 foldCp1252(static_cast<unsigned char>(b));
                      });
}
