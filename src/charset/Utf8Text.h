#pragma once

#include "charset/Cp1252Table.h"

#include <string>
#include <string_view>

// A UTF-8 text in cp1252; a character that cp1252 lacks, or a malformed sequence, becomes
// "?", as Windows answers for a caption it cannot convert.
std::string utf8ToCp1252(std::string_view utf8);
