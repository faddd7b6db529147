#include "grid/formdata/FormDataWriter.h"

#include <cstdint>
#include <limits>
#include <stdexcept>

void FormDataWriter::writeLittleEndian(std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        writeByte(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void FormDataWriter::writeInteger(int value) {
    if (value >= INT8_MIN && value <= INT8_MAX) {
        writeType(FormValueType::vaInt8);
        writeLittleEndian(static_cast<std::uint32_t>(value), 1);
    } else if (value >= INT16_MIN && value <= INT16_MAX) {
        writeType(FormValueType::vaInt16);
        writeLittleEndian(static_cast<std::uint32_t>(value), 2);
    } else {
        writeType(FormValueType::vaInt32);
        writeLittleEndian(static_cast<std::uint32_t>(value), 4);
    }
}

void FormDataWriter::writeLong(const QByteArray& bytes) {
    // A length that does not fit would make every later value unreadable.
    if (static_cast<std::uint64_t>(bytes.size()) > std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error("form data value longer than 4 GiB");
    }
    writeLittleEndian(static_cast<std::uint32_t>(bytes.size()), 4);
    data_.append(bytes);
}

void FormDataWriter::writeString(const QByteArray& text) {
    if (text.size() < 256) {
        writeType(FormValueType::vaString);
        writeByte(static_cast<std::uint8_t>(text.size()));
        data_.append(text);
    } else {
        writeType(FormValueType::vaLString);
        writeLong(text);
    }
}

void FormDataWriter::writeBinary(const QByteArray& bytes) {
    writeType(FormValueType::vaBinary);
    writeLong(bytes);
}

void FormDataWriter::writePropName(const QByteArray& name) {
    if (name.isEmpty() || name.size() > 255) {
        throw std::length_error("property names have 1 to 255 bytes");
    }
    writeByte(static_cast<std::uint8_t>(name.size()));
    data_.append(name);
}
