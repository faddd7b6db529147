#pragma once

#include "charset/Cp1252Table.h"

#include <string>

// Texts that the typing tests send, in cp1252 (what the program types) and in UTF-8 (what
// a target reports).

// Every printable character of cp1252 once, in code order, then the quotes, dashes and
// guillemets of German and French chat again and the characters that the German layout
// types with AltGr: the whole range that a phrase can hold.
inline std::string everyPrintableCp1252() {
    std::string text;
    for (unsigned c = 0x20; c <= 0xFF; ++c) {
        if (isPrintableCp1252(static_cast<unsigned char>(c))) {
            text += static_cast<char>(c);
        }
    }
    return text + " \x80\x84\x93\x94\x82\x91\x92\x96\x97\x85\xAB\xBB\x8B\x9B {}[]~|@";
}

inline std::string cp1252ToUtf8(const std::string& cp1252) {
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
