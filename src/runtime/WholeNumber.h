#pragma once

#include <QByteArrayView>

#include <optional>

// The runtime's whole-number conversion, as settings and other stored text are read:
// leading blanks, an optional sign, then decimal digits or hexadecimal digits after "$",
// "0x" or "0X" ("-$10" is -16). Nothing may follow the digits. Decimal numbers must lie in
// the 32-bit signed range; hexadecimal ones are 32-bit patterns, so "$FFFFFFFF" is -1.

// The number, or nothing when the text is not a whole number.
std::optional<int> parseWholeNumber(QByteArrayView text);

// The number; any other text raises QuipError "'<text>' ist kein gültiger Integerwert".
int toWholeNumber(QByteArrayView text);

// A stored boolean: any non-zero whole number is true, zero false, other text the default.
bool toBoolean(QByteArrayView text, bool defaultValue);

// The value of one hexadecimal digit (either case), -1 for any other character.
int hexDigitValue(char c);
