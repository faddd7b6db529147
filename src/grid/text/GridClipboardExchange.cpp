#include "grid/text/GridClipboardExchange.h"

#include "grid/model/StringGridModel.h"
#include "grid/text/GridClipboard.h"
#include "grid/text/GridText.h"

#include <QBuffer>

namespace {

void copyRange(const StringGridModel& grid, TGridRect range, GridClipboard& clipboard) {
    const std::unique_ptr<QBuffer> text = ExportText(grid, kGridTextSeparator, range);
    text->putChar('\0');
    clipboard.setTextBytes(text->data());
}

} // namespace

void CopyToClipboard(const StringGridModel& grid, GridClipboard& clipboard) {
    copyRange(grid, grid.Selection(), clipboard);
}

void CutToClipboard(StringGridModel& grid, GridClipboard& clipboard) {
    const TGridRect range = normalizedExportRange(grid, grid.Selection());
    copyRange(grid, range, clipboard);
    for (int row = range.Top; row <= range.Bottom; ++row) {
        for (int col = range.Left; col <= range.Right; ++col) {
            grid.setCells(col, row, QByteArray());
        }
    }
}

void PasteFromClipboard(StringGridModel& grid, const GridClipboard& clipboard) {
    ImportText(grid, clipboard.textBytes(), kGridTextSeparator, grid.Selection());
}
