// Construction, properties, geometry and the data's notifications of the base grid.
#include "grid/view/StringGrid.h"

#include "grid/editing/InplaceEdit.h"
#include "grid/mapping/ColorMapping.h"
#include "grid/mapping/FontMapping.h"

#include <QApplication>
#include <QScrollBar>

#include <algorithm>

TStringGrid::TStringGrid(QWidget* parent)
    : TStringGrid(std::make_unique<StringGridModel>(), parent) {}

TStringGrid::TStringGrid(std::unique_ptr<StringGridModel> model, QWidget* parent)
    : QAbstractScrollArea(parent), model_(std::move(model)) {
    initialize();
}

void TStringGrid::initialize() {
    shownFixed_[kColsSlot] = first_[kColsSlot] = model_->FixedCols();
    shownFixed_[kRowsSlot] = first_[kRowsSlot] = model_->FixedRows();
    model_->setObserver(this);
    model_->setEditorLink(this);
    setFocusPolicy(Qt::StrongFocus);
    // Without it a dead key would be lost on a closed cell: the letter after it would open
    // the editor alone.
    setAttribute(Qt::WA_InputMethodEnabled);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    // Moves without a button pressed reach MouseMove too (hints follow the mouse).
    viewport()->setMouseTracking(true);
    applyScrollBarPolicies();
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        bar->setSingleStep(1);
        bar->setTracking(false);
    }
    focusConnection_ = connect(qApp, &QApplication::focusChanged, this,
                               [this](QWidget* old, QWidget* now) { focusChanged(old, now); });
    mirrorWidgetFont();
    updateScrollRanges();
}

TStringGrid::~TStringGrid() {
    // Nothing may call back into a grid that is half gone: not the focus signal while the
    // editor is deleted, not the data while it is destroyed.
    disconnect(focusConnection_);
    clickEdit_.disarm();
    hosting_.deleteEditor();
    model_->setObserver(nullptr);
    model_->setEditorLink(nullptr);
}

void TStringGrid::setOptions(TGridOptions options) {
    if (options == options_) {
        return;
    }
    options_ = options;
    applyThumbTracking();
    if (EditorMode() && (!options_.testFlag(goEditing) || options_.testFlag(goRowSelect))) {
        HideEditor();
    }
    if (!options_.testFlag(goRangeSelect)) {
        model_->setCurrentCell(model_->Col(), model_->Row());
    }
    // The line options decide the room between lines.
    updateScrollRanges();
    viewport()->update();
}

void TStringGrid::setLiveThumbTracking(bool on) {
    liveThumbTracking_ = on;
    applyThumbTracking();
}

void TStringGrid::applyThumbTracking() {
    // Without tracking a bar reports its new value only when the thumb is let go.
    const bool tracking = options_.testFlag(goThumbTracking) || liveThumbTracking_;
    horizontalScrollBar()->setTracking(tracking);
    verticalScrollBar()->setTracking(tracking);
}

void TStringGrid::setGridLineWidth(int width) {
    width = std::max(width, 0);
    if (width == gridLineWidth_) {
        return;
    }
    gridLineWidth_ = width;
    updateScrollRanges();
    viewport()->update();
}

void TStringGrid::setScrollBars(TScrollStyle style) {
    if (style == scrollBars_) {
        return;
    }
    scrollBars_ = style;
    applyScrollBarPolicies();
    updateScrollRanges();
}

void TStringGrid::setDefaultDrawing(bool on) {
    defaultDrawing_ = on;
    viewport()->update();
}

void TStringGrid::setTabStops(int col, bool stop) {
    if (stop) {
        noTabStops_.erase(col);
    } else if (col >= 0) {
        noTabStops_.insert(col);
    }
}

AxisMetrics TStringGrid::metrics(GridAxis axis) const {
    const QSize client = viewport()->size();
    return AxisMetrics(model_->extents(axis), model_->count(axis), model_->fixedCount(axis),
                       effectiveLineWidth(axis), first_[slot(axis)],
                       axis == GridAxis::Columns ? client.width() : client.height());
}

QRect TStringGrid::CellRect(int ACol, int ARow) const {
    const AxisMetrics cols = metrics(GridAxis::Columns);
    const AxisMetrics rows = metrics(GridAxis::Rows);
    const auto x = cols.start(ACol);
    const auto y = rows.start(ARow);
    if (!x || !y || *x >= cols.clientExtent() || *y >= rows.clientExtent()) {
        return {};
    }
    return QRect(static_cast<int>(*x), static_cast<int>(*y), cols.size(ACol), rows.size(ARow));
}

void TStringGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const {
    const GridCell cell = MouseCoord(X, Y);
    ACol = cell.col;
    ARow = cell.row;
}

GridCell TStringGrid::MouseCoord(int X, int Y) const {
    return {metrics(GridAxis::Columns).lineAt(X), metrics(GridAxis::Rows).lineAt(Y)};
}

bool TStringGrid::isActiveControl() const {
    return isInside(QApplication::focusWidget());
}

bool TStringGrid::isInside(const QWidget* widget) const {
    return widget && (widget == this || isAncestorOf(widget));
}

// Notifications of the data.

void TStringGrid::gridRepaint() {
    viewport()->update();
}

void TStringGrid::gridCellChanged(int col, int row) {
    const QRect rect = CellRect(col, row);
    if (!rect.isEmpty()) {
        viewport()->update(rect);
    }
}

void TStringGrid::gridCountsChanged() {
    const GridCell bound = editorCell();
    if (editorVisible() && (bound.col >= model_->ColCount() || bound.row >= model_->RowCount())) {
        closeEditor();
    }
    // A new fixed count starts the view again at the first non-fixed line.
    for (const GridAxis axis : {GridAxis::Columns, GridAxis::Rows}) {
        int& fixed = shownFixed_[slot(axis)];
        if (fixed != model_->fixedCount(axis)) {
            fixed = model_->fixedCount(axis);
            first_[slot(axis)] = fixed;
        }
    }
    updateScrollRanges();
    viewport()->update();
}

void TStringGrid::gridSizesChanged(GridAxis axis) {
    updateScrollRanges();
    placeEditor();
    viewport()->update();
    if (axis == GridAxis::Columns) {
        ColWidthsChanged();
    } else {
        RowHeightsChanged();
    }
}

void TStringGrid::gridCurrentChanged(GridCell oldCurrent, TGridRect /*oldSelection*/) {
    viewport()->update();
    if (model_->current() == oldCurrent) {
        return;
    }
    if (editorCell() == model_->current()) {
        // Rows or columns moved under the editor and the current cell: the same text, and
        // the same edit.
        clampInView(model_->current());
        return;
    }
    // A move of the current cell closes the editor, unless it always shows, in which case it
    // follows; then the show decision is asked again.
    if (!options_.testFlag(goAlwaysShowEditor)) {
        HideEditor();
    }
    clampInView(model_->current());
    updateEditor();
}

void TStringGrid::gridFontChanged() {
    FontChanged();
}

void TStringGrid::FontChanged() {
    if (TInplaceEdit* editor = InplaceEditor()) {
        editor->setFont(editorSetup(model_->current()).font);
        placeEditor();
    }
}

void TStringGrid::TopLeftChanged() {
    if (OnTopLeftChanged) {
        OnTopLeftChanged(this);
    }
}

bool TStringGrid::HintShow(THintInfo& /*info*/) {
    return true;
}

void TStringGrid::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        mirrorWidgetFont();
    } else if (event->type() == QEvent::PaletteChange) {
        viewport()->update();
    }
}

void TStringGrid::mirrorWidgetFont() {
    // The widget's font is the source: it follows the parent's font unless set on the grid,
    // and the data's Font record (start of the cells' font chain) follows it. Setting the
    // record directly changes what cells draw with until the widget's font changes again.
    assignQFont(model_->Font(), font(), logicalDpiY());
}
