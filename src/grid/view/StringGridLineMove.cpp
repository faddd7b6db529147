// Moving a column (row) by dragging its fixed-row (fixed-column) cell: with goColMoving
// (goRowMoving) a left press there starts the drag; the release over another column (row)
// calls the data's move, which carries the texts and everything else that follows them.
#include "grid/view/StringGrid.h"

bool TStringGrid::startLineMove(GridCell cell) {
    const int fixedCols = model_->FixedCols();
    const int fixedRows = model_->FixedRows();
    if (options_.testFlag(goColMoving) && cell.row >= 0 && cell.row < fixedRows &&
        cell.col >= fixedCols) {
        moveAxis_ = GridAxis::Columns;
        moveFrom_ = cell.col;
    } else if (options_.testFlag(goRowMoving) && cell.col >= 0 && cell.col < fixedCols &&
               cell.row >= fixedRows) {
        moveAxis_ = GridAxis::Rows;
        moveFrom_ = cell.row;
    } else {
        return false;
    }
    moveTo_ = moveFrom_;
    gridState_ = GridState::LineMoving;
    return true;
}

void TStringGrid::lineMoveTo(QPoint point) {
    const int target =
        clampedLineAt(moveAxis_, moveAxis_ == GridAxis::Columns ? point.x() : point.y());
    if (target >= 0 && target != moveTo_) {
        moveTo_ = target;
        viewport()->update();
    }
}

void TStringGrid::finishLineMove() {
    gridState_ = GridState::Normal;
    viewport()->update();
    if (moveTo_ < 0 || moveTo_ == moveFrom_) {
        return;
    }
    if (moveAxis_ == GridAxis::Columns) {
        model_->MoveColumn(moveFrom_, moveTo_);
    } else {
        model_->MoveRow(moveFrom_, moveTo_);
    }
}
