#pragma once

#include <QByteArray>

#include <ostream>
#include <string_view>

// The textual view of form data, encoded for tests: integers, 'strings' ('' is a quote),
// (lists) and {hex} binary blocks, written with FormDataWriter.
//   formValues("3 2 0")                         the values one after another
//   propertyList("PropCell = (0 0 3 2 0) ...")  name/value pairs and the closing empty name
QByteArray formValues(std::string_view text);
QByteArray propertyList(std::string_view text);

// Bytes from hex digits, blanks ignored: bytes("02 ff").
QByteArray bytes(std::string_view hex);

// Heap bytes in use, to see what a read costs.
long long heapInUse();

// GoogleTest shows byte strings in hex.
inline void PrintTo(const QByteArray& data, std::ostream* out) {
    *out << data.toHex(' ').toStdString();
}
