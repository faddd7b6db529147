#include "grid/model/StringGridModel.h"

#include "grid/model/SparseList.h"

#include <algorithm>
#include <utility>

StringGridModel::StringGridModel() {
    brush_.setColor(clWindow);
    font_.setOnChange([this] {
        if (observer_) {
            observer_->gridFontChanged();
        }
        Repaint();
    });
    brush_.setOnChange([this] { Repaint(); });
}

StringGridModel::~StringGridModel() = default;

void StringGridModel::setCount(GridAxis axis, int count) {
    count = std::max(count, 1);
    int& current = count_[axisSlot(axis)];
    if (count == current) {
        return;
    }
    ++textRevision_;
    if (count < current) {
        texts_.truncate(axis, count);
        mutableExtents(axis).truncate(count);
    }
    current = count;
    int& fixed = fixed_[axisSlot(axis)];
    fixed = std::min(fixed, count - 1);
    if (deferred_ > 0) {
        countsDeferred_ = true;
    } else if (observer_) {
        observer_->gridCountsChanged();
    }
    clampCurrent();
}

void StringGridModel::setFixedCount(GridAxis axis, int fixedCount) {
    int& fixed = fixed_[axisSlot(axis)];
    if (fixedCount < 0 || fixedCount >= count(axis) || fixedCount == fixed) {
        return;
    }
    fixed = fixedCount;
    if (deferred_ > 0) {
        countsDeferred_ = true;
    } else if (observer_) {
        observer_->gridCountsChanged();
    }
    clampCurrent();
}

void StringGridModel::setCells(int col, int row, const QByteArray& text) {
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount()) {
        return;
    }
    if (texts_.setText(col, row, text)) {
        ++textRevision_;
    }
    if (deferred_ > 0) {
        cellsDeferred_ = true;
    } else if (observer_) {
        observer_->gridCellChanged(col, row);
    }
}

void StringGridModel::setObjects(int col, int row, void* object) {
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount()) {
        return;
    }
    texts_.setObject(col, row, object);
    if (observer_) {
        observer_->gridCellChanged(col, row);
    }
}

void StringGridModel::clearTexts(GridAxis axis, int index) {
    ++textRevision_;
    texts_.clearLine(axis, index);
}

void StringGridModel::moveTexts(GridAxis axis, int from, int to) {
    ++textRevision_;
    texts_.moveLine(axis, from, to);
}

void StringGridModel::moveLine(GridAxis axis, int from, int to) {
    const int lines = count(axis);
    if (from == to || from < 0 || to < 0 || from >= lines || to >= lines) {
        return;
    }
    GridCell current = current_;
    GridCell anchor = anchor_;
    alongAxis(current, axis) = movedIndex(alongAxis(current, axis), from, to);
    alongAxis(anchor, axis) = movedIndex(alongAxis(anchor, axis), from, to);
    if (axis == GridAxis::Rows) {
        RowMoved(from, to);
    } else {
        ColumnMoved(from, to);
    }
    // A fixed line may have been dragged into the scrolling part or the other way round.
    setCurrentAndAnchor(clamped(current), clamped(anchor));
    Repaint();
}

void StringGridModel::RowMoved(int from, int to) {
    moveTexts(GridAxis::Rows, from, to);
}

void StringGridModel::ColumnMoved(int from, int to) {
    moveTexts(GridAxis::Columns, from, to);
}

bool StringGridModel::isNonFixedCell(int col, int row) const {
    return col >= FixedCols() && col < ColCount() && row >= FixedRows() && row < RowCount();
}

void StringGridModel::setCurrentCell(int col, int row, bool extendSelection) {
    if (!isNonFixedCell(col, row)) {
        return;
    }
    const GridCell cell{col, row};
    setCurrentAndAnchor(cell, extendSelection ? anchor_ : cell);
}

void StringGridModel::setAnchor(int col, int row) {
    if (!isNonFixedCell(col, row)) {
        return;
    }
    setCurrentAndAnchor(current_, {col, row});
}

TGridRect StringGridModel::Selection() const {
    return {std::min(current_.col, anchor_.col), std::min(current_.row, anchor_.row),
            std::max(current_.col, anchor_.col), std::max(current_.row, anchor_.row)};
}

void StringGridModel::setSelection(const TGridRect& selection) {
    if (!isNonFixedCell(selection.Left, selection.Top) ||
        !isNonFixedCell(selection.Right, selection.Bottom)) {
        return;
    }
    setCurrentAndAnchor({selection.Right, selection.Bottom}, {selection.Left, selection.Top});
}

void StringGridModel::setCurrentAndAnchor(GridCell current, GridCell anchor) {
    if (current == current_ && anchor == anchor_) {
        return;
    }
    const GridCell oldCurrent = current_;
    const TGridRect oldSelection = Selection();
    current_ = current;
    anchor_ = anchor;
    if (observer_) {
        observer_->gridCurrentChanged(oldCurrent, oldSelection);
    }
}

GridCell StringGridModel::clamped(GridCell cell) const {
    return {std::clamp(cell.col, FixedCols(), ColCount() - 1),
            std::clamp(cell.row, FixedRows(), RowCount() - 1)};
}

void StringGridModel::clampCurrent() {
    setCurrentAndAnchor(clamped(current_), clamped(anchor_));
}

void StringGridModel::setDefaultSize(GridAxis axis, int size) {
    if (mutableExtents(axis).setDefaultSize(std::max(size, 0)) && observer_) {
        observer_->gridSizesChanged(axis);
    }
}

void StringGridModel::setSize(GridAxis axis, int index, int size) {
    if (index < 0 || index >= count(axis)) {
        return;
    }
    if (mutableExtents(axis).setSize(index, std::max(size, 0)) && observer_) {
        observer_->gridSizesChanged(axis);
    }
}

void StringGridModel::setFixedColor(TColor color) {
    fixedColor_ = color;
    Repaint();
}

void StringGridModel::Repaint() const {
    if (observer_) {
        observer_->gridRepaint();
    }
}

StringGridModel::DeferredNotifications::~DeferredNotifications() {
    if (--grid_.deferred_ > 0) {
        return;
    }
    const bool counts = std::exchange(grid_.countsDeferred_, false);
    const bool cells = std::exchange(grid_.cellsDeferred_, false);
    if (grid_.observer_ == nullptr) {
        return;
    }
    if (counts) {
        grid_.observer_->gridCountsChanged();
    }
    if (cells) {
        grid_.observer_->gridRepaint();
    }
}
