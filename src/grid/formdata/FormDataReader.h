#pragma once

#include "grid/formdata/FormDataFormat.h"

#include <QByteArray>

#include <cstdint>
#include <initializer_list>
#include <utility>

// A cursor over form data (layout in FormDataFormat.h) with typed reads. A value of another
// type than the one asked for, and any read past the end of the data, throw QuipError with
// "Ungültiger Wert der Eigenschaft". Nothing is allocated for a length before the data are known to
// hold it.
class FormDataReader {
public:
    explicit FormDataReader(QByteArray data) : data_(std::move(data)) {}

    bool atEnd() const { return pos_ >= data_.size(); }
    qsizetype position() const { return pos_; }

    // The type of the next value, without reading it.
    FormValueType nextValue() const;

    void readListBegin();
    // True when the next value is the end of a list (which is not read).
    bool endOfList() const { return nextValue() == FormValueType::vaNull; }
    void readListEnd();
    // Any of the three integer forms.
    int readInteger();
    // Either string form.
    QByteArray readString();
    QByteArray readBinary();

    // The next property name of a property list; empty at the list's end.
    QByteArray readPropName();
    // Passes over one value of any of the types above, lists with all they hold.
    void skipValue();

private:
    // Reads the type byte and throws unless it is one of types.
    FormValueType readType(std::initializer_list<FormValueType> types);
    std::uint8_t readByte();
    std::uint32_t readUnsigned(int bytes);
    QByteArray readBytes(std::uint32_t count);
    void skipBytes(std::uint32_t count);
    // The length of a string or binary block whose type byte was read.
    std::uint32_t readLength(FormValueType type);
    [[noreturn]] static void fail();

    QByteArray data_;
    qsizetype pos_ = 0;
};
