#pragma once

#include "grid/model/GridTypes.h"

#include <memory>

class QBuffer;
class QByteArray;
class QIODevice;
class StringGridModel;

// The grid's text layout, shared by the phrase files and the clipboard: one line per row,
// each cell text followed by the separator (TAB in every use), every line ended by CR LF.
// Cell texts are cp1252 bytes and travel unchanged: nothing is quoted or escaped, so a text
// holding a separator or a line end comes back as several cells or rows.
//
// Reading accepts more than writing produces: lines end at CR LF, a lone CR or a lone LF (LF
// CR is two line ends), a last line needs no line end, and a NUL ends the text. A line's
// trailing separator yields no extra empty field, and an empty line sets no cell. Reading
// never empties the grid: cells no field reaches keep their texts, and RowCount and ColCount
// grow one at a time as lines and fields demand, never shrink.

inline constexpr char kGridTextSeparator = '\t';
// (-1, -1, -1, -1): the whole grid when writing, from cell (0, 0) on without limits when
// reading.
inline constexpr TGridRect kWholeGridText{-1, -1, -1, -1};

// The range ExportText writes: a reversed or negative right (bottom) end becomes the last
// column (row), then a negative left (top) end becomes 0. Ends beyond the grid stay; such
// cells are written empty.
TGridRect normalizedExportRange(const StringGridModel& grid, TGridRect range);
// The range ImportText reads into: negative starts become 0, then a reversed end means no
// limit (2147483647).
TGridRect normalizedImportRange(TGridRect range);

// Writes the lines of the range at the stream's current position and returns the stream.
// Write errors are left to the caller to detect on the device.
QIODevice& ExportText(const StringGridModel& grid, QIODevice& stream, char separator,
                      TGridRect range);
// The same into a new in-memory stream, open for reading and writing and positioned after
// the text; the caller owns it.
std::unique_ptr<QBuffer> ExportText(const StringGridModel& grid, char separator, TGridRect range);

// Reads the whole stream from its beginning into the cells of the range. No stream, or one
// that is not readable, changes nothing.
void ImportText(StringGridModel& grid, QIODevice* stream, char separator, TGridRect range);
// The same from bytes already in memory.
void ImportText(StringGridModel& grid, const QByteArray& text, char separator, TGridRect range);
