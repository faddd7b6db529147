#pragma once

#include <cstddef>
#include <string_view>

// Only the first 79 bytes of a caption are read (GetWindowTextA with room for 80).
inline constexpr std::size_t kMaxCaptionLength = 79;

// Whether the caption begins with the title: A to Z match a to z, every other byte (umlauts
// included) must be equal. A caption shorter than the title never matches.
bool captionStartsWith(std::string_view caption, std::string_view title);

// Whether the whole caption equals the title without regard to case, as FindWindowA
// compares: the letters of cp1252 (umlauts included) match their other case.
bool captionEquals(std::string_view caption, std::string_view title);
