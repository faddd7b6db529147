// Scrolling of the base grid by whole lines: the scroll bars count non-fixed lines, and the
// scroll position is the first visible non-fixed row and column.
#include "grid/view/StringGrid.h"

#include <QScrollBar>

#include <algorithm>

int TStringGrid::effectiveLineWidth(GridAxis axis) const {
    const bool lines = axis == GridAxis::Columns
                           ? options_.testAnyFlags(goFixedVertLine | goVertLine)
                           : options_.testAnyFlags(goFixedHorzLine | goHorzLine);
    return lines ? gridLineWidth_ : 0;
}

void TStringGrid::setFirst(GridAxis axis, int first) {
    const AxisMetrics m = metrics(axis);
    first = std::clamp(first, m.fixed(), std::max(m.maxFirst(), m.fixed()));
    int& current = first_[slot(axis)];
    const bool changed = first != current;
    current = first;
    QScrollBar* bar = axis == GridAxis::Columns ? horizontalScrollBar() : verticalScrollBar();
    {
        // scrollContentsBy() reads the bars; this change is already taken.
        const QSignalBlocker blocker(bar);
        bar->setValue(first - m.fixed());
    }
    if (changed) {
        scrolled();
    }
}

void TStringGrid::updateScrollRanges() {
    for (const GridAxis axis : {GridAxis::Columns, GridAxis::Rows}) {
        const AxisMetrics m = metrics(axis);
        QScrollBar* bar = axis == GridAxis::Columns ? horizontalScrollBar() : verticalScrollBar();
        // Not blocked: the scroll area shows and hides an as-needed bar on its range.
        bar->setRange(0, m.maxFirst() - m.fixed());
        bar->setPageStep(m.pageSize());
        setFirst(axis, first_[slot(axis)]);
    }
    placeEditor();
}

void TStringGrid::applyScrollBarPolicies() {
    const bool horizontal =
        scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth;
    const bool vertical =
        scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth;
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void TStringGrid::scrollContentsBy(int /*dx*/, int /*dy*/) {
    // The user moved a bar: its value is the number of non-fixed lines scrolled away.
    bool changed = false;
    for (const GridAxis axis : {GridAxis::Columns, GridAxis::Rows}) {
        const QScrollBar* bar =
            axis == GridAxis::Columns ? horizontalScrollBar() : verticalScrollBar();
        const int first = model_->fixedCount(axis) + bar->value();
        if (first != first_[slot(axis)]) {
            first_[slot(axis)] = first;
            changed = true;
        }
    }
    if (changed) {
        scrolled();
    }
}

void TStringGrid::scrolled() {
    placeEditor();
    viewport()->update();
    TopLeftChanged();
}

void TStringGrid::clampInView(GridCell cell) {
    setFirst(GridAxis::Columns, metrics(GridAxis::Columns).firstShowing(cell.col));
    setFirst(GridAxis::Rows, metrics(GridAxis::Rows).firstShowing(cell.row));
}

void TStringGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRanges();
    viewport()->update();
    Resize();
}
