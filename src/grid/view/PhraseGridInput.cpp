// Keys and mouse presses of the phrase grid: the clipboard keys, Tab through the cells,
// Enter in multi-line mode, characters on cells that cannot be edited, and presses on
// header cells.
#include "grid/view/PhraseGrid.h"

#include "grid/model/CellTraversal.h"

void TPhraseGrid::KeyDown(int& Key, TShiftState Shift) {
    if (Key == Qt::Key_Insert) {
        if (Shift.testFlag(ssShift)) {
            PasteFromClipboard();
        } else if (Shift.testFlag(ssCtrl)) {
            CopyToClipboard();
        }
    } else if (Key == Qt::Key_Delete && Shift.testFlag(ssShift)) {
        CutToClipboard();
    } else if (Key == Qt::Key_Tab && Options().testFlag(goTabs) && !Shift.testFlag(ssAlt)) {
        tabToNextCell(Shift.testFlag(ssShift));
        Key = 0;
        return;
    }
    TStringGrid::KeyDown(Key, Shift);
}

void TPhraseGrid::KeyPress(QChar& Key) {
    if (editMultiline_ && Key == QChar(u'\r')) {
        return;
    }
    TStringGrid::KeyPress(Key);
}

void TPhraseGrid::characterInput(QChar Key) {
    const bool opensEditor =
        Options().testFlag(goEditing) && (Key == QChar(8) || Key.unicode() >= 0x20);
    TStringGrid::characterInput(Key);
    if (opensEditor && !EditorMode()) {
        // The cell cannot be edited: the character is the grid's own key press.
        KeyPress(Key);
    }
}

void TPhraseGrid::tabToNextCell(bool backwards) {
    const T_nextcell direction = backwards ? oppositeDirection(nextCellTab_) : nextCellTab_;
    const TraversalStep target = ::tabTarget(*phraseModel_, direction, afterLastCellTab_,
                                             [this](int col) { return TabStops(col); });
    if (target.leave) {
        focusNextControl(backwards);
        return;
    }
    phraseModel_->setCurrentCell(target.cell.col, target.cell.row);
}

void TPhraseGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == TMouseButton::mbLeft && (X >= 0 || Y >= 0)) {
        const GridCell cell = MouseCoord(X, Y);
        const bool headerColumn = cell.col < phraseModel_->FixedCols();
        const bool headerRow = cell.row < phraseModel_->FixedRows();
        if (headerColumn && !headerRow) {
            if (OnFixedRowClick) {
                OnFixedRowClick(this, cell.row);
            }
        } else if (headerRow && !headerColumn) {
            if (OnFixedColClick) {
                OnFixedColClick(this, cell.col);
            }
        }
    }
    TStringGrid::MouseDown(Button, Shift, X, Y);
}
