#include "grid/formdata/FormDataReader.h"

#include "runtime/QuipError.h"

#include <algorithm>

void FormDataReader::fail() {
    throw QuipError(kInvalidPropertyValue);
}

FormValueType FormDataReader::nextValue() const {
    if (atEnd()) {
        fail();
    }
    return static_cast<FormValueType>(static_cast<std::uint8_t>(data_[pos_]));
}

std::uint8_t FormDataReader::readByte() {
    if (atEnd()) {
        fail();
    }
    return static_cast<std::uint8_t>(data_[pos_++]);
}

std::uint32_t FormDataReader::readUnsigned(int bytes) {
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) {
        value |= std::uint32_t{readByte()} << (8 * i);
    }
    return value;
}

void FormDataReader::skipBytes(std::uint32_t count) {
    if (count > static_cast<std::uint64_t>(data_.size() - pos_)) {
        fail();
    }
    pos_ += static_cast<qsizetype>(count);
}

QByteArray FormDataReader::readBytes(std::uint32_t count) {
    const qsizetype start = pos_;
    skipBytes(count);
    return data_.mid(start, pos_ - start);
}

FormValueType FormDataReader::readType(std::initializer_list<FormValueType> types) {
    const auto type = static_cast<FormValueType>(readByte());
    if (std::find(types.begin(), types.end(), type) == types.end()) {
        fail();
    }
    return type;
}

std::uint32_t FormDataReader::readLength(FormValueType type) {
    return readUnsigned(type == FormValueType::vaString ? 1 : 4);
}

void FormDataReader::readListBegin() {
    readType({FormValueType::vaList});
}

void FormDataReader::readListEnd() {
    readType({FormValueType::vaNull});
}

int FormDataReader::readInteger() {
    switch (readType({FormValueType::vaInt8, FormValueType::vaInt16, FormValueType::vaInt32})) {
    case FormValueType::vaInt8:
        return static_cast<std::int8_t>(readUnsigned(1));
    case FormValueType::vaInt16:
        return static_cast<std::int16_t>(readUnsigned(2));
    default:
        return static_cast<std::int32_t>(readUnsigned(4));
    }
}

QByteArray FormDataReader::readString() {
    return readBytes(readLength(readType({FormValueType::vaString, FormValueType::vaLString})));
}

QByteArray FormDataReader::readBinary() {
    return readBytes(readLength(readType({FormValueType::vaBinary})));
}

QByteArray FormDataReader::readPropName() {
    return readBytes(readByte());
}

void FormDataReader::skipValue() {
    // Lists are counted rather than recursed into, so deep nesting costs no stack.
    std::uint64_t depth = 0;
    do {
        const auto type = static_cast<FormValueType>(readByte());
        switch (type) {
        case FormValueType::vaNull:
            if (depth == 0) {
                fail();
            }
            --depth;
            break;
        case FormValueType::vaList:
            ++depth;
            break;
        case FormValueType::vaInt8:
            skipBytes(1);
            break;
        case FormValueType::vaInt16:
            skipBytes(2);
            break;
        case FormValueType::vaInt32:
            skipBytes(4);
            break;
        case FormValueType::vaString:
        case FormValueType::vaLString:
        case FormValueType::vaBinary:
            skipBytes(readLength(type));
            break;
        default:
            fail();
        }
    } while (depth > 0);
}
