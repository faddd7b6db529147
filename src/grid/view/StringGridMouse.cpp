// Mouse handling of the base grid: current cell and range selection by pressing and
// dragging (scrolling while the pointer is beyond the cells), double-clicks, the click that
// opens the editor, and the mouse events.
#include "grid/view/StringGrid.h"

#include <QApplication>
#include <QMouseEvent>

#include <algorithm>
#include <optional>

namespace {

// How often a drag beyond the cells scrolls by one line.
constexpr int kAutoScrollIntervalMs = 60;

struct MouseArguments {
    TMouseButton button;
    TShiftState shift;
    QPoint at;
};

// A button event as the mouse hooks take it; nothing for a button the framework lacks.
std::optional<MouseArguments> mouseArguments(const QMouseEvent& event) {
    TMouseButton button{};
    if (!toMouseButton(event.button(), button)) {
        return std::nullopt;
    }
    return MouseArguments{button, shiftState(event.modifiers(), event.buttons()),
                          event.position().toPoint()};
}

} // namespace

void TStringGrid::mousePressEvent(QMouseEvent* event) {
    if (const auto mouse = mouseArguments(*event)) {
        MouseDown(mouse->button, mouse->shift, mouse->at.x(), mouse->at.y());
    } else {
        event->ignore();
    }
}

void TStringGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    if (const auto mouse = mouseArguments(*event)) {
        if (mouse->button == TMouseButton::mbLeft) {
            disarmClickEdit();
            DblClick();
        }
        MouseDown(mouse->button, mouse->shift | ssDouble, mouse->at.x(), mouse->at.y());
    } else {
        event->ignore();
    }
}

void TStringGrid::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    MouseMove(shiftState(event->modifiers(), event->buttons()), at.x(), at.y());
}

void TStringGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (const auto mouse = mouseArguments(*event)) {
        MouseUp(mouse->button, mouse->shift, mouse->at.x(), mouse->at.y());
    } else {
        event->ignore();
    }
}

void TStringGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (!isActiveControl()) {
        setFocus(Qt::MouseFocusReason);
    }
    lastMousePos_ = QPoint(X, Y);
    if (Button == TMouseButton::mbLeft && !Shift.testFlag(ssDouble)) {
        disarmClickEdit();
        const GridCell cell = MouseCoord(X, Y);
        if (cell.col >= model_->FixedCols() && cell.row >= model_->FixedRows()) {
            const bool onCurrent = cell == model_->current();
            if (Shift.testFlag(ssShift) && options_.testFlag(goRangeSelect)) {
                model_->setAnchor(cell.col, cell.row);
            } else {
                model_->setCurrentCell(cell.col, cell.row);
                if (onCurrent && options_.testFlag(goEditing)) {
                    armClickEdit(cell);
                }
            }
            gridState_ = GridState::Selecting;
        } else {
            startLineMove(cell);
        }
    }
    if (OnMouseDown) {
        OnMouseDown(this, Button, Shift, X, Y);
    }
}

void TStringGrid::MouseMove(TShiftState Shift, int X, int Y) {
    lastMousePos_ = QPoint(X, Y);
    if (gridState_ != GridState::Normal) {
        dragTo(lastMousePos_);
        // Beyond the scrolled part of the grid the view follows the pointer.
        const bool outside = X < metrics(GridAxis::Columns).fixedExtent() ||
                             Y < metrics(GridAxis::Rows).fixedExtent() ||
                             X >= viewport()->width() || Y >= viewport()->height();
        if (outside && !autoScroll_.isActive()) {
            autoScroll_.start(kAutoScrollIntervalMs, this);
        } else if (!outside) {
            autoScroll_.stop();
        }
    }
    if (OnMouseMove) {
        OnMouseMove(this, Shift, X, Y);
    }
}

void TStringGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == TMouseButton::mbLeft) {
        autoScroll_.stop();
        if (gridState_ == GridState::LineMoving) {
            finishLineMove();
        }
        gridState_ = GridState::Normal;
        if (clickEditOnRelease_) {
            clickEditDue();
        }
    }
    if (OnMouseUp) {
        OnMouseUp(this, Button, Shift, X, Y);
    }
}

void TStringGrid::DblClick() {
    if (OnDblClick) {
        OnDblClick(this);
    }
}

int TStringGrid::clampedLineAt(GridAxis axis, int p) const {
    const AxisMetrics m = metrics(axis);
    const std::int64_t low = m.fixedExtent();
    const std::int64_t high =
        std::min<std::int64_t>(m.clientExtent(), low + m.span(m.first(), m.count())) - 1;
    if (high < low) {
        return -1;
    }
    return m.lineAt(std::clamp<std::int64_t>(p, low, high));
}

GridCell TStringGrid::clampedCellAt(QPoint point) const {
    return {clampedLineAt(GridAxis::Columns, point.x()), clampedLineAt(GridAxis::Rows, point.y())};
}

void TStringGrid::dragTo(QPoint point) {
    if (gridState_ == GridState::LineMoving) {
        lineMoveTo(point);
        return;
    }
    const GridCell cell = clampedCellAt(point);
    if (cell.col < 0 || cell.row < 0) {
        return;
    }
    if (options_.testFlag(goRangeSelect)) {
        model_->setAnchor(cell.col, cell.row);
    } else {
        model_->setCurrentCell(cell.col, cell.row);
    }
}

void TStringGrid::autoScrollStep() {
    if (gridState_ == GridState::Normal) {
        autoScroll_.stop();
        return;
    }
    const QPoint at = lastMousePos_;
    const auto step = [&](GridAxis axis, int p) {
        const AxisMetrics m = metrics(axis);
        if (p < m.fixedExtent()) {
            setFirst(axis, m.first() - 1);
        } else if (p >= m.clientExtent()) {
            setFirst(axis, m.first() + 1);
        }
    };
    step(GridAxis::Columns, at.x());
    step(GridAxis::Rows, at.y());
    dragTo(at);
}

void TStringGrid::armClickEdit(GridCell cell) {
    clickEditCell_ = cell;
    clickEditOnRelease_ = false;
    clickEdit_.start(QApplication::doubleClickInterval(), this);
}

void TStringGrid::disarmClickEdit() {
    clickEdit_.stop();
    clickEditOnRelease_ = false;
}

void TStringGrid::clickEditDue() {
    clickEdit_.stop();
    if (gridState_ != GridState::Normal) {
        // The button is still held: the click ends when it is let go.
        clickEditOnRelease_ = true;
        return;
    }
    clickEditOnRelease_ = false;
    const GridCell cell = clickEditCell_;
    const TGridRect single{cell.col, cell.row, cell.col, cell.row};
    if (model_->current() == cell && model_->Selection() == single && isActiveControl()) {
        openEditorByUser();
    }
}

void TStringGrid::timerEvent(QTimerEvent* event) {
    if (event->timerId() == autoScroll_.timerId()) {
        autoScrollStep();
        return;
    }
    if (event->timerId() == clickEdit_.timerId()) {
        clickEditDue();
        return;
    }
    QAbstractScrollArea::timerEvent(event);
}
