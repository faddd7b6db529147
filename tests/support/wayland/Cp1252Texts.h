#pragma once

#include <string>
#include <string_view>

// cp1252 bytes as UTF-8, for comparing what a target received with what was sent.
std::string cp1252ToUtf8(std::string_view cp1252);

// Every printable cp1252 character once, in code order: 0x20 to 0x7E, the 27 assigned ones
// of 0x80 to 0x9F (€ „ “ ” ‚ ‘ ’ – — … « » ‹ › among them) and 0xA0 to 0xFF.
std::string everyPrintableCp1252();

// What a Qt text box gives back for a text: QPlainTextEdit turns no-break spaces into blanks.
std::string asQtPlainText(std::string utf8);
