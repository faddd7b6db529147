// The paint loop of the base grid: background, every visible cell through DrawCell, grid
// lines, the raised edges of fixed cells, the focus rectangle and the mark of a line drag.
#include "grid/view/StringGrid.h"

#include "grid/editing/InplaceEdit.h"
#include "grid/mapping/ColorMapping.h"
#include "grid/mapping/FontMapping.h"
#include "runtime/Cp1252.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

// Grid lines between normal cells are light, those between fixed cells dark.
const QColor normalLineColor(0xC0, 0xC0, 0xC0);
const QColor fixedLineColor(Qt::black);

bool contains(const TGridRect& rect, int col, int row) {
    return col >= rect.Left && col <= rect.Right && row >= rect.Top && row <= rect.Bottom;
}

} // namespace

TGridRect TStringGrid::shownSelection() const {
    TGridRect selection = model_->Selection();
    if (options_.testFlag(goRowSelect)) {
        selection.Left = model_->FixedCols();
        selection.Right = model_->ColCount() - 1;
    }
    return selection;
}

TGridDrawState TStringGrid::drawState(int col, int row, const TGridRect& selection,
                                      bool focused) const {
    TGridDrawState state;
    if (model_->isFixed(col, row)) {
        state |= gdFixed;
        return state;
    }
    if (contains(selection, col, row)) {
        state |= gdSelected;
    }
    if (focused && col == model_->Col() && row == model_->Row()) {
        state |= gdFocused;
    }
    return state;
}

void TStringGrid::prepareCanvas(QPainter& painter, const QRect& rect, TGridDrawState state,
                                const QFont& font) {
    const QPalette& colors = palette();
    const bool highlighted =
        state.testFlag(gdSelected) &&
        (!state.testFlag(gdFocused) || options_.testAnyFlags(goDrawFocusSelected | goRowSelect));
    painter.setFont(font);
    QColor background;
    QColor text;
    if (highlighted) {
        background = toQColor(clHighlight, colors);
        text = toQColor(clHighlightText, colors);
    } else {
        background =
            toQColor(state.testFlag(gdFixed) ? model_->FixedColor() : model_->Color(), colors);
        text = toQColor(model_->Font().Color(), colors);
    }
    painter.setBrush(background);
    painter.setPen(text.isValid() ? text : colors.color(QPalette::Text));
    if (defaultDrawing_) {
        painter.fillRect(rect, painter.brush());
    }
}

void TStringGrid::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    canvas_ = &painter;
    const QPalette& colors = palette();
    QColor background = toQColor(model_->Color(), colors);
    painter.fillRect(event->rect(),
                     background.isValid() ? background : colors.color(QPalette::Base));

    const AxisMetrics cols = metrics(GridAxis::Columns);
    const AxisMetrics rows = metrics(GridAxis::Rows);
    const TGridRect selection = shownSelection();
    const bool focused = isActiveControl();
    const bool editorCovers = hosting_.covers();
    const GridCell editorAt = editorCell();
    const QRect dirty = event->rect();
    const QFont gridFont = toQFont(model_->Font());

    rows.forEachVisible([&](int row, std::int64_t y, int height) {
        cols.forEachVisible([&](int col, std::int64_t x, int width) {
            const QRect rect(static_cast<int>(x), static_cast<int>(y), width, height);
            const QRect withLines = rect.adjusted(0, 0, cols.lineWidth(), rows.lineWidth());
            if (!withLines.intersects(dirty)) {
                return;
            }
            const bool fixed = model_->isFixed(col, row);
            drawGridLines(painter, rect, fixed);
            if (editorCovers && col == editorAt.col && row == editorAt.row) {
                return;
            }
            const TGridDrawState state = drawState(col, row, selection, focused);
            painter.save();
            painter.setClipRect(viewport()->rect());
            prepareCanvas(painter, rect, state, gridFont);
            DrawCell(col, row, rect, state);
            painter.restore();
            if (!defaultDrawing_) {
                return;
            }
            if (fixed) {
                drawRaisedEdges(painter, rect);
            } else if (state.testFlag(gdFocused) && !options_.testFlag(goRowSelect) &&
                       !options_.testFlags(goEditing | goAlwaysShowEditor)) {
                drawFocusRect(painter, rect);
            }
        });
    });

    if (defaultDrawing_ && focused && options_.testFlag(goRowSelect)) {
        // One focus rectangle around the visible part of the current row.
        const int row = model_->Row();
        const QRect first = CellRect(std::max(model_->FixedCols(), LeftCol()), row);
        const QRect last = CellRect(metrics(GridAxis::Columns).lastFullyVisible(), row);
        if (!first.isEmpty()) {
            drawFocusRect(painter, last.isEmpty() ? first : first.united(last));
        }
    }
    if (drag_.kind() == GridDrag::Kind::LineMoving) {
        drawLineMoveMark(painter);
    }
    canvas_ = nullptr;
}

void TStringGrid::DrawCell(int ACol, int ARow, const QRect& ARect, TGridDrawState AState) {
    if (defaultDrawing_) {
        canvas_->drawText(ARect.adjusted(2, 2, 0, 0),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                          fromCp1252(model_->Cells(ACol, ARow)));
    }
    if (OnDrawCell) {
        OnDrawCell(this, ACol, ARow, ARect, AState);
    }
}

void TStringGrid::drawGridLines(QPainter& painter, const QRect& rect, bool fixed) const {
    const bool vertical = options_.testFlag(fixed ? goFixedVertLine : goVertLine);
    const bool horizontal = options_.testFlag(fixed ? goFixedHorzLine : goHorzLine);
    const int across = effectiveLineWidth(GridAxis::Columns);
    const int down = effectiveLineWidth(GridAxis::Rows);
    const QColor& color = fixed ? fixedLineColor : normalLineColor;
    if (vertical && across > 0) {
        painter.fillRect(QRect(rect.right() + 1, rect.top(), across, rect.height() + down), color);
    }
    if (horizontal && down > 0) {
        painter.fillRect(QRect(rect.left(), rect.bottom() + 1, rect.width() + across, down), color);
    }
}

void TStringGrid::drawRaisedEdges(QPainter& painter, const QRect& rect) const {
    // Light top and left, shadowed bottom and right, each only where its lines are drawn.
    if (rect.width() < 1 || rect.height() < 1) {
        return;
    }
    const QColor light = palette().color(QPalette::Light);
    const QColor shadow = palette().color(QPalette::Dark);
    if (options_.testFlag(goFixedVertLine)) {
        painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), light);
        painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), shadow);
    }
    if (options_.testFlag(goFixedHorzLine)) {
        painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), light);
        painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), shadow);
    }
}

void TStringGrid::drawFocusRect(QPainter& painter, const QRect& rect) const {
    if (rect.width() < 2 || rect.height() < 2) {
        return;
    }
    painter.save();
    QPen pen(palette().color(QPalette::Text), 1, Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

void TStringGrid::drawLineMoveMark(QPainter& painter) const {
    // A bar on the edge where the dragged line would land.
    const GridAxis axis = drag_.lineAxis();
    const int from = drag_.lineFrom();
    const int to = drag_.lineTo();
    const AxisMetrics m = metrics(axis);
    const auto start = m.start(to);
    if (!start || to == from) {
        return;
    }
    const std::int64_t edge = to < from ? *start : *start + m.size(to);
    const int at = static_cast<int>(std::min<std::int64_t>(edge, m.clientExtent())) - 1;
    const QColor color = palette().color(QPalette::Highlight);
    if (axis == GridAxis::Columns) {
        painter.fillRect(QRect(at, 0, 3, viewport()->height()), color);
    } else {
        painter.fillRect(QRect(0, at, viewport()->width(), 3), color);
    }
}
