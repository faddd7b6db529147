#include "grid/text/GridText.h"

#include "grid/model/StringGridModel.h"

#include <QBuffer>

namespace {

// Lines are gathered and written in chunks of about this size: few device calls, little
// memory beyond the text itself.
constexpr qsizetype kChunkSize = 64 * 1024;

} // namespace

TGridRect normalizedExportRange(const StringGridModel& grid, TGridRect range) {
    if (range.Right < range.Left || range.Right < 0) {
        range.Right = grid.ColCount() - 1;
    }
    if (range.Left < 0) {
        range.Left = 0;
    }
    if (range.Bottom < range.Top || range.Bottom < 0) {
        range.Bottom = grid.RowCount() - 1;
    }
    if (range.Top < 0) {
        range.Top = 0;
    }
    return range;
}

QIODevice& ExportText(const StringGridModel& grid, QIODevice& stream, char separator,
                      TGridRect range) {
    const TGridRect r = normalizedExportRange(grid, range);
    QByteArray chunk;
    chunk.reserve(kChunkSize);
    // 64-bit counters: an end at 2147483647 must not wrap.
    for (qint64 row = r.Top; row <= r.Bottom; ++row) {
        for (qint64 col = r.Left; col <= r.Right; ++col) {
            chunk += grid.cellView(static_cast<int>(col), static_cast<int>(row));
            chunk += separator;
        }
        chunk += "\r\n";
        if (chunk.size() >= kChunkSize) {
            stream.write(chunk);
            chunk.resize(0);
        }
    }
    if (!chunk.isEmpty()) {
        stream.write(chunk);
    }
    return stream;
}

std::unique_ptr<QBuffer> ExportText(const StringGridModel& grid, char separator, TGridRect range) {
    auto buffer = std::make_unique<QBuffer>();
    buffer->open(QIODevice::ReadWrite);
    ExportText(grid, *buffer, separator, range);
    return buffer;
}
