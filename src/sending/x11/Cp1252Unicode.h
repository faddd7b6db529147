#pragma once

#include <optional>
#include <string>
#include <string_view>

// The Windows code page 1252 that the program's texts are in, against Unicode. Its five
// unassigned bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 controls of the same
// number, as Windows converts them.
char32_t Cp1252ToUnicode(unsigned char byte);
std::optional<unsigned char> UnicodeToCp1252(char32_t codePoint);

// A UTF-8 text in cp1252; a character that cp1252 lacks, or a malformed sequence, becomes
// "?", as Windows answers for a caption it cannot convert.
std::string Utf8ToCp1252(std::string_view utf8);
