#pragma once

#include <string>
#include <string_view>

// Case and trimming on cp1252 bytes that touch ASCII only. The C library's versions depend
// on the locale, which Qt sets from the environment.

inline bool isAsciiLetter(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

inline char asciiUpper(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') ? static_cast<char>(u - ('a' - 'A')) : c;
}

std::string asciiUpper(std::string_view text);

// Without the leading and trailing bytes 0 to 32 (blank and control characters).
std::string_view trimControls(std::string_view text);
