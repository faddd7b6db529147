// Cell hints of the phrase grid: the hint of the cell under the mouse, shown below the cell,
// and taken away when the mouse moves on to another cell.
#include "grid/view/PhraseGrid.h"

#include "runtime/Cp1252.h"

#include <QToolTip>

bool TPhraseGrid::HintShow(THintInfo& info) {
    bool canShow = true;
    if (info.HintControl == this && showCellHints_) {
        const GridCell cell = MouseCoord(info.CursorPos.x(), info.CursorPos.y());
        hintCell_ = cell;
        const QRect rect = CellRect(cell.col, cell.row);
        // 6 pixels below the cell's lower left corner.
        info.HintPos = viewport()->mapToGlobal(QPoint(rect.left(), rect.top() + rect.height() + 6));
        info.HintStr = fromCp1252(phraseModel_->HintCell(cell.col, cell.row));
        if (OnShowHintCell) {
            OnShowHintCell(this, cell.col, cell.row, info.HintStr, canShow, info);
        }
    }
    return canShow;
}

void TPhraseGrid::MouseMove(TShiftState Shift, int X, int Y) {
    if (hintCell_ != GridCell{} && MouseCoord(X, Y) != hintCell_) {
        // Each cell its own hint: Qt asks again once the mouse rests on the new cell.
        QToolTip::hideText();
        hintCell_ = GridCell{};
    }
    TStringGrid::MouseMove(Shift, X, Y);
}
