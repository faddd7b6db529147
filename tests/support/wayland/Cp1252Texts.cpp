#include "support/wayland/Cp1252Texts.h"

#include "charset/Cp1252Table.h"

std::string cp1252ToUtf8(std::string_view cp1252) {
    std::string utf8;
    for (const char c : cp1252) {
        const char32_t u = cp1252ToUnicode(static_cast<unsigned char>(c));
        if (u < 0x80) {
            utf8 += static_cast<char>(u);
        } else if (u < 0x800) {
            utf8 += static_cast<char>(0xC0 | (u >> 6));
            utf8 += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            utf8 += static_cast<char>(0xE0 | (u >> 12));
            utf8 += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return utf8;
}

std::string everyPrintableCp1252() {
    std::string text;
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
        const char32_t u = cp1252ToUnicode(static_cast<unsigned char>(byte));
        if (byte != 0x7F && !(u >= 0x80 && u < 0xA0)) {
            text += static_cast<char>(byte);
        }
    }
    return text;
}

std::string asQtPlainText(std::string utf8) {
    std::string plain;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8.compare(i, 2, "\xC2\xA0") == 0) {
            plain += ' ';
            ++i;
        } else {
            plain += utf8[i];
        }
    }
    return plain;
}
