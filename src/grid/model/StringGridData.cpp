#include "grid/model/StringGridData.h"

#include "grid/model/SparseList.h"

#include <algorithm>

StringGridData::StringGridData() {
    brush_.setColor(clWindow);
    font_.setOnChange([this] {
        if (observer_) {
            observer_->gridFontChanged();
        }
        Repaint();
    });
    brush_.setOnChange([this] { Repaint(); });
}

StringGridData::~StringGridData() = default;

void StringGridData::setCount(GridAxis axis, int count) {
    count = std::max(count, 1);
    int& current = count_[axisSlot(axis)];
    if (count == current) {
        return;
    }
    if (count < current) {
        texts_.truncate(axis, count);
        mutableExtents(axis).truncate(count);
    }
    current = count;
    int& fixed = fixed_[axisSlot(axis)];
    fixed = std::min(fixed, count - 1);
    if (observer_) {
        observer_->gridCountsChanged();
    }
    clampCurrent();
}

void StringGridData::setFixedCount(GridAxis axis, int count) {
    int& fixed = fixed_[axisSlot(axis)];
    if (count < 0 || count >= Count(axis) || count == fixed) {
        return;
    }
    fixed = count;
    if (observer_) {
        observer_->gridCountsChanged();
    }
    clampCurrent();
}

void StringGridData::setCells(int col, int row, const QByteArray& text) {
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount()) {
        return;
    }
    texts_.setText(col, row, text);
    if (observer_) {
        observer_->gridCellChanged(col, row);
    }
}

void StringGridData::setObjects(int col, int row, void* object) {
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount()) {
        return;
    }
    texts_.setObject(col, row, object);
    if (observer_) {
        observer_->gridCellChanged(col, row);
    }
}

void StringGridData::clearTexts(GridAxis axis, int index) {
    texts_.clearLine(axis, index);
}

void StringGridData::moveTexts(GridAxis axis, int from, int to) {
    texts_.moveLine(axis, from, to);
}

void StringGridData::moveLine(GridAxis axis, int from, int to) {
    const int count = Count(axis);
    if (from == to || from < 0 || to < 0 || from >= count || to >= count) {
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

void StringGridData::RowMoved(int from, int to) {
    moveTexts(GridAxis::Rows, from, to);
}

void StringGridData::ColumnMoved(int from, int to) {
    moveTexts(GridAxis::Columns, from, to);
}

bool StringGridData::isNonFixedCell(int col, int row) const {
    return col >= FixedCols() && col < ColCount() && row >= FixedRows() && row < RowCount();
}

void StringGridData::setCurrentCell(int col, int row, bool extendSelection) {
    if (!isNonFixedCell(col, row)) {
        return;
    }
    const GridCell cell{col, row};
    setCurrentAndAnchor(cell, extendSelection ? anchor_ : cell);
}

void StringGridData::setAnchor(int col, int row) {
    if (!isNonFixedCell(col, row)) {
        return;
    }
    setCurrentAndAnchor(current_, {col, row});
}

TGridRect StringGridData::Selection() const {
    return {std::min(current_.col, anchor_.col), std::min(current_.row, anchor_.row),
            std::max(current_.col, anchor_.col), std::max(current_.row, anchor_.row)};
}

void StringGridData::setSelection(const TGridRect& selection) {
    if (!isNonFixedCell(selection.Left, selection.Top) ||
        !isNonFixedCell(selection.Right, selection.Bottom)) {
        return;
    }
    setCurrentAndAnchor({selection.Right, selection.Bottom}, {selection.Left, selection.Top});
}

void StringGridData::setCurrentAndAnchor(GridCell current, GridCell anchor) {
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

GridCell StringGridData::clamped(GridCell cell) const {
    return {std::clamp(cell.col, FixedCols(), ColCount() - 1),
            std::clamp(cell.row, FixedRows(), RowCount() - 1)};
}

void StringGridData::clampCurrent() {
    setCurrentAndAnchor(clamped(current_), clamped(anchor_));
}

void StringGridData::setDefaultSize(GridAxis axis, int size) {
    if (mutableExtents(axis).setDefaultSize(std::max(size, 0)) && observer_) {
        observer_->gridSizesChanged(axis);
    }
}

void StringGridData::setSize(GridAxis axis, int index, int size) {
    if (index < 0 || index >= Count(axis)) {
        return;
    }
    if (mutableExtents(axis).setSize(index, std::max(size, 0)) && observer_) {
        observer_->gridSizesChanged(axis);
    }
}

void StringGridData::setFixedColor(TColor color) {
    fixedColor_ = color;
    Repaint();
}

void StringGridData::Repaint() const {
    if (observer_) {
        observer_->gridRepaint();
    }
}
