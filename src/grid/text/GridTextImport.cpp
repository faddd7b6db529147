#include "grid/text/GridText.h"

#include "grid/model/StringGridModel.h"
#include "grid/text/TextLines.h"

#include <QIODevice>

#include <climits>
#include <cstring>

namespace {

// One more line or column, as a field demands; a count already at the largest index stays.
void growTo(StringGridModel& grid, GridAxis axis, qint64 index) {
    const int count = grid.count(axis);
    if (index >= count && count < INT_MAX) {
        grid.setCount(axis, count + 1);
    }
}

} // namespace

TGridRect normalizedImportRange(TGridRect range) {
    if (range.Top < 0) {
        range.Top = 0;
    }
    if (range.Left < 0) {
        range.Left = 0;
    }
    if (range.Bottom < range.Top) {
        range.Bottom = INT_MAX;
    }
    if (range.Right < range.Left) {
        range.Right = INT_MAX;
    }
    return range;
}

void ImportText(StringGridModel& grid, QIODevice* stream, char separator, TGridRect range) {
    if (!stream || !stream->isReadable()) {
        return;
    }
    stream->seek(0);
    ImportText(grid, stream->readAll(), separator, range);
}

void ImportText(StringGridModel& grid, const QByteArray& text, char separator, TGridRect range) {
    const TGridRect r = normalizedImportRange(range);
    // The view hears of the new counts and texts once, at the end.
    const StringGridModel::DeferredNotifications deferred(grid);
    TextLines lines(text);
    QByteArrayView line;
    // 64-bit counters: an end at 2147483647 must not wrap.
    for (qint64 row = r.Top; row <= r.Bottom && lines.next(line); ++row) {
        growTo(grid, GridAxis::Rows, row);
        // Fields are taken in place, one scan over the line; its trailing separator (or
        // none at all) ends it without an extra empty field.
        const char* pos = line.data();
        const char* const end = pos + line.size();
        for (qint64 col = r.Left; col <= r.Right && pos < end; ++col) {
            growTo(grid, GridAxis::Columns, col);
            const void* found = std::memchr(pos, separator, static_cast<std::size_t>(end - pos));
            const char* const fieldEnd = found ? static_cast<const char*>(found) : end;
            grid.setCells(static_cast<int>(col), static_cast<int>(row),
                          QByteArray(pos, fieldEnd - pos));
            pos = fieldEnd + 1;
        }
    }
}
