#pragma once

#include <optional>

// The Windows code page 1252 that the program's texts are in, against Unicode, one
// character at a time. Its five unassigned bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for
// the C1 controls of the same number, as Windows converts them, so every byte comes back.
char16_t cp1252ToUnicode(unsigned char byte);
std::optional<unsigned char> unicodeToCp1252(char32_t codePoint);

// Whether the byte is a character that shows: not one of the C0 or C1 controls (the five
// unassigned bytes included) and not DEL.
bool isPrintableCp1252(unsigned char byte);
