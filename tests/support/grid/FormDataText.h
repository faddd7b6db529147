#pragma once

#include <QByteArray>

#include <ostream>
#include <string_view>

// The textual view of form data, encoded with FormDataWriter for tests: integers, 'strings',
// (lists) and {hex} binary blocks.
//   formValues("3 2 0")                         the values one after another
//   propertyList("PropCell = (0 0 3 2 0) ...")  name/value pairs and the closing empty name
QByteArray formValues(std::string_view text);
QByteArray propertyList(std::string_view text);

// Bytes from hex digits, blanks ignored: bytes("02 ff").
QByteArray bytes(std::string_view hex);

// GoogleTest shows byte strings in hex.
inline void PrintTo(const QByteArray& data, std::ostream* out) {
    *out << data.toHex(' ').toStdString();
}
