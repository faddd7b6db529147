#pragma once

class FormDataReader;
class FormDataWriter;
class TMyBrush;
class TMyFont;

// The brush and font records of the form data, as integers and one string:
//   brush: colour, style
//   font:  colour, height, name, pitch, style bits
// Reading takes the low byte of the style and pitch integers, as the attributes store them.
void readBrushRecord(FormDataReader& reader, TMyBrush& brush);
void writeBrushRecord(FormDataWriter& writer, const TMyBrush& brush);
void readFontRecord(FormDataReader& reader, TMyFont& font);
void writeFontRecord(FormDataWriter& writer, const TMyFont& font);
