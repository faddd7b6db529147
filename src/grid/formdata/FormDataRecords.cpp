#include "grid/formdata/FormDataRecords.h"

#include "grid/formdata/FormDataReader.h"
#include "grid/formdata/FormDataWriter.h"
#include "grid/model/MyBrush.h"
#include "grid/model/MyFont.h"

#include <cstdint>

void readBrushRecord(FormDataReader& reader, TMyBrush& brush) {
    const TColor color = reader.readInteger();
    const auto style = static_cast<TBrushStyle>(static_cast<std::uint8_t>(reader.readInteger()));
    brush.setColor(color);
    brush.setStyle(style);
}

void writeBrushRecord(FormDataWriter& writer, const TMyBrush& brush) {
    writer.writeInteger(brush.Color());
    writer.writeInteger(static_cast<int>(brush.Style()));
}

void readFontRecord(FormDataReader& reader, TMyFont& font) {
    const TColor color = reader.readInteger();
    const int height = reader.readInteger();
    const QByteArray name = reader.readString();
    const auto pitch = static_cast<TFontPitch>(static_cast<std::uint8_t>(reader.readInteger()));
    const auto style = static_cast<TFontStyles>(reader.readInteger());
    font.setColor(color);
    font.setHeight(height);
    font.setName(name);
    font.setPitch(pitch);
    font.setStyle(style);
}

void writeFontRecord(FormDataWriter& writer, const TMyFont& font) {
    writer.writeInteger(font.Color());
    writer.writeInteger(font.Height());
    writer.writeString(font.Name());
    writer.writeInteger(static_cast<int>(font.Pitch()));
    writer.writeInteger(font.Style());
}
