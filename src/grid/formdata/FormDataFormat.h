#pragma once

#include <QString>

#include <cstdint>

// Form data: the design-time properties of a component as stored with its window.
//
// Values. Every value starts with a type byte; integers and lengths are little-endian.
//
//   0  end of a list
//   1  start of a list: values follow up to the end byte 0
//   2  integer, 1 signed byte
//   3  integer, 2 bytes, signed
//   4  integer, 4 bytes, signed
//   6  string: 1 length byte, then the bytes (cp1252)
//  10  binary block: 4-byte unsigned length, then the bytes
//  12  string: 4-byte unsigned length, then the bytes (written from 256 bytes on)
//
// A writer uses the shortest integer form that holds the value and the short string form
// below 256 bytes; a reader takes any integer form wherever an integer stands.
//
// Property list (one component): pairs of a property name and its value, closed by an
// empty name. A name is 1 length byte and the name's bytes, without a type byte:
//
//   <len> "PropCell" <value>  <len> "PropCol" <value>  ...  0
//
// In the textual view a list shows as its items in parentheses, so "PropCell = (0 0 3 2 0)"
// is a list of five integers.
enum class FormValueType : std::uint8_t {
    vaNull = 0,
    vaList = 1,
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaString = 6,
    vaBinary = 10,
    vaLString = 12
};

// The error for a value of the wrong type and for data that end too early.
inline const QString kInvalidPropertyValue = QStringLiteral("Ungültiger Wert der Eigenschaft");
