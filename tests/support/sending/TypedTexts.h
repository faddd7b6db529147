#pragma once

#include "charset/Cp1252Table.h"
#include "charset/Utf8Text.h"

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
