// Mouse handling of the base grid: current cell and range selection by pressing and
// dragging (scrolling while the pointer is beyond the cells), double-clicks, the click that
// opens the editor, and the mouse events.
#include "grid/view/StringGrid.h"

#include <QMouseEvent>

#include <algorithm>
#include <optional>

namespace {

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
            clickEdit_.disarm();
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
    drag_.setPointer(QPoint(X, Y));
    if (Button == TMouseButton::mbLeft && !Shift.testFlag(ssDouble)) {
        clickEdit_.disarm();
        const GridCell cell = MouseCoord(X, Y);
        if (cell.col >= model_->FixedCols() && cell.row >= model_->FixedRows()) {
            const bool onCurrent = cell == model_->current();
            if (Shift.testFlag(ssShift) && options_.testFlag(goRangeSelect)) {
                model_->setAnchor(cell.col, cell.row);
            } else {
                model_->setCurrentCell(cell.col, cell.row);
                if (onCurrent && options_.testFlag(goEditing)) {
                    clickEdit_.arm(cell);
                }
            }
            drag_.startSelecting();
        } else {
            startLineMove(cell);
        }
    }
    if (OnMouseDown) {
        OnMouseDown(this, Button, Shift, X, Y);
    }
}

void TStringGrid::MouseMove(TShiftState Shift, int X, int Y) {
    drag_.setPointer(QPoint(X, Y));
    if (drag_.active()) {
        dragTo(drag_.pointer());
        // Beyond the scrolled part of the grid the view follows the pointer.
        drag_.scrollWhileOutside(X < metrics(GridAxis::Columns).fixedExtent() ||
                                 Y < metrics(GridAxis::Rows).fixedExtent() ||
                                 X >= viewport()->width() || Y >= viewport()->height());
    }
    if (OnMouseMove) {
        OnMouseMove(this, Shift, X, Y);
    }
}

void TStringGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == TMouseButton::mbLeft) {
        finishDrag();
        clickEdit_.released();
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
    if (drag_.kind() == GridDrag::Kind::LineMoving) {
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
    if (!drag_.active()) {
        drag_.scrollWhileOutside(false);
        return;
    }
    const QPoint at = drag_.pointer();
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

void TStringGrid::clickEditDue(GridCell cell) {
    const TGridRect single{cell.col, cell.row, cell.col, cell.row};
    if (model_->current() == cell && model_->Selection() == single && isActiveControl()) {
        openEditorByUser();
    }
}
