#pragma once

#include "charset/Cp1252Table.h"

#include <string>
#include <string_view>

// A UTF-8 text in cp1252; a character that cp1252 lacks, or a malformed sequence, becomes
// "?", as Windows answers for a caption it cannot convert.
std::string utf8ToCp1252(std::string_view utf8);

// A code point (below U+10000, as every cp1252 character is) appended in UTF-8.
void appendUtf8(std::string& utf8, char32_t codePoint);

// A cp1252 text in UTF-8; a byte that cp1252 leaves unassigned stands for the control
// character of its value, as Windows maps it.
std::string cp1252ToUtf8(std::string_view cp1252);
