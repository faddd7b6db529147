#pragma once

#include "grid/formdata/FormDataFormat.h"

#include <QByteArray>

#include <cstdint>

// Writes form data (layout in FormDataFormat.h): integers in their shortest form, strings in
// the short form below 256 bytes and the long form from 256 bytes on.
class FormDataWriter {
public:
    const QByteArray& data() const { return data_; }

    void writeListBegin() { writeType(FormValueType::vaList); }
    void writeListEnd() { writeType(FormValueType::vaNull); }
    void writeInteger(int value);
    void writeString(const QByteArray& text);
    void writeBinary(const QByteArray& bytes);

    // One property's name (1 to 255 bytes), before its value.
    void writePropName(const QByteArray& name);
    // The empty name that closes a property list.
    void writeEndOfProperties() { writeByte(0); }

private:
    void writeType(FormValueType type) { writeByte(static_cast<std::uint8_t>(type)); }
    void writeByte(std::uint8_t byte) { data_.append(static_cast<char>(byte)); }
    void writeLittleEndian(std::uint32_t value, int bytes);
    // A 4-byte length and the bytes.
    void writeLong(const QByteArray& bytes);

    QByteArray data_;
};
