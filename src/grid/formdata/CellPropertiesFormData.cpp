// The tagged items of a property record in form data.
#include "grid/model/CellProperties.h"

#include "grid/formdata/FormDataReader.h"
#include "grid/formdata/FormDataRecords.h"
#include "grid/formdata/FormDataWriter.h"

#include <cstdint>

namespace {

enum ItemTag : int {
    tagEnd = 0,
    tagAlignment = 1,
    tagWordwrap = 2,
    tagEditability = 3,
    tagBrush = 4,
    tagSelectedBrush = 5,
    tagFont = 6,
    tagSelectedFont = 7
};

template <typename Enum>
void writeByteItem(FormDataWriter& writer, ItemTag tag, Enum value) {
    writer.writeInteger(tag);
    writer.writeInteger(static_cast<int>(value));
}

template <typename T>
void writeObjectItem(FormDataWriter& writer, ItemTag tag, const T* object,
                     void (*writeRecord)(FormDataWriter&, const T&)) {
    if (object) {
        writer.writeInteger(tag);
        writeRecord(writer, *object);
    }
}

template <typename Enum>
Enum lowByte(int value) {
    return static_cast<Enum>(static_cast<std::uint8_t>(value));
}

} // namespace

void TCellProperties::WriteData(FormDataWriter& writer) const {
    if (alignment_ != TMyAlign::alDefault) {
        writeByteItem(writer, tagAlignment, alignment_);
    }
    if (wordwrap_ != T_Wordwrap::ww_default) {
        writeByteItem(writer, tagWordwrap, wordwrap_);
    }
    if (editability_ != TCellEditability::ceNotSet) {
        writeByteItem(writer, tagEditability, editability_);
    }
    writeObjectItem(writer, tagBrush, Brush(), writeBrushRecord);
    writeObjectItem(writer, tagSelectedBrush, selectedBrush(), writeBrushRecord);
    writeObjectItem(writer, tagFont, Font(), writeFontRecord);
    writeObjectItem(writer, tagSelectedFont, selectedFont(), writeFontRecord);
}

void TCellProperties::ReadItem(FormDataReader& reader, int tag) {
    switch (tag) {
    case tagAlignment:
        alignment_ = lowByte<TMyAlign>(reader.readInteger());
        break;
    case tagWordwrap:
        wordwrap_ = lowByte<T_Wordwrap>(reader.readInteger());
        break;
    case tagEditability:
        editability_ = lowByte<TCellEditability>(reader.readInteger());
        break;
    case tagBrush:
    case tagSelectedBrush: {
        TMyBrush read;
        readBrushRecord(reader, read);
        tag == tagBrush ? setBrush(&read) : setSelectedBrush(&read);
        break;
    }
    case tagFont:
    case tagSelectedFont: {
        TMyFont read;
        readFontRecord(reader, read);
        tag == tagFont ? setFont(&read) : setSelectedFont(&read);
        break;
    }
    default:
        // Unknown tags carry nothing: the next integer is the next tag.
        break;
    }
}

void TCellProperties::writeItems(FormDataWriter& writer) const {
    WriteData(writer);
    writer.writeInteger(tagEnd);
}

void TCellProperties::readItems(FormDataReader& reader) {
    for (int tag = reader.readInteger(); tag != tagEnd; tag = reader.readInteger()) {
        ReadItem(reader, tag);
    }
}
