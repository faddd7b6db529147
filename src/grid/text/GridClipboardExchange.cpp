#include "grid/text/GridClipboardExchange.h"

#include "grid/model/StringGridData.h"
#include "grid/text/GridClipboard.h"
#include "grid/text/GridText.h"

#include <QBuffer>

namespace {

void copyRange(const StringGridData& grid, TGridRect range, GridClipboard& clipboard) {
    const std::unique_ptr<QBuffer> text = ExportText(grid, gridTextSeparator, range);
    text->putChar('\0');
    clipboard.setTextBytes(text->data());
}

} // namespace

void CopyToClipboard(const StringGridData& grid, GridClipboard& clipboard) {
    copyRange(grid, grid.Selection(), clipboard);
}

void CutToClipboard(StringGridData& grid, GridClipboard& clipboard) {
    const TGridRect range = NormalizedExportRange(grid, grid.Selection());
    copyRange(grid, range, clipboard);
    for (int row = range.Top; row <= range.Bottom; ++row) {
        for (int col = range.Left; col <= range.Right; ++col) {
            grid.setCells(col, row, QByteArray());
        }
    }
}

void PasteFromClipboard(StringGridData& grid, const GridClipboard& clipboard) {
    ImportText(grid, clipboard.textBytes(), gridTextSeparator, grid.Selection());
}
