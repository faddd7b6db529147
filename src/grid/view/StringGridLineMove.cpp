// Moving a column (row) by dragging its fixed-row (fixed-column) cell: with goColMoving
// (goRowMoving) a left press there starts the drag; the release over another column (row)
// calls the data's move, which carries the texts and everything else that follows them.
#include "grid/view/StringGrid.h"

#include <optional>

bool TStringGrid::startLineMove(GridCell cell) {
    const int fixedCols = model_->FixedCols();
    const int fixedRows = model_->FixedRows();
    if (options_.testFlag(goColMoving) && cell.row >= 0 && cell.row < fixedRows &&
        cell.col >= fixedCols) {
        drag_.startLineMove(GridAxis::Columns, cell.col);
    } else if (options_.testFlag(goRowMoving) && cell.col >= 0 && cell.col < fixedCols &&
               cell.row >= fixedRows) {
        drag_.startLineMove(GridAxis::Rows, cell.row);
    } else {
        return false;
    }
    return true;
}

void TStringGrid::lineMoveTo(QPoint point) {
    const GridAxis axis = drag_.lineAxis();
    if (drag_.moveLineTo(clampedLineAt(axis, axis == GridAxis::Columns ? point.x() : point.y()))) {
        viewport()->update();
    }
}

void TStringGrid::finishDrag() {
    const bool moving = drag_.kind() == GridDrag::Kind::LineMoving;
    const std::optional<GridDrag::LineMove> move = drag_.finish();
    if (moving) {
        viewport()->update();
    }
    if (!move) {
        return;
    }
    if (move->axis == GridAxis::Columns) {
        model_->MoveColumn(move->from, move->to);
    } else {
        model_->MoveRow(move->from, move->to);
    }
}
