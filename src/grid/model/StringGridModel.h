#pragma once

#include "grid/model/CellTextStore.h"
#include "grid/model/Colors.h"
#include "grid/model/ExtentList.h"
#include "grid/model/GridEditorLink.h"
#include "grid/model/GridTypes.h"
#include "grid/model/MyBrush.h"
#include "grid/model/MyFont.h"
#include "grid/model/StringGridObserver.h"

#include <QByteArray>

// The data side of the base string grid, usable without a display: counts, fixed counts, the
// cell texts with one object reference per cell, the current cell and the selection, row
// heights and column widths by index, the grid's Font, Brush and FixedColor, and the
// primitives the phrase grid builds its row operations on. A view presents it through
// StringGridObserver and lends it the in-place editor through GridEditorLink.
//
// Rules the view relies on:
// - ColCount and RowCount are at least 1; the fixed counts are always below them (lowering
//   a count to its fixed count or below lowers the fixed count to count - 1), so there is
//   always one non-fixed row and column.
// - The current cell is always a non-fixed cell; the selection is the rectangle between the
//   current cell and the anchor (the other corner), both clamped when counts change.
// - Texts exist only inside the grid: setting one outside is ignored, and lowering a count
//   drops the texts, objects and individual sizes beyond it, so nothing reappears when the
//   count grows again.
// - Row heights and column widths belong to the index, not to the row or column: no move,
//   insertion or removal touches them. Setting a default drops all individual sizes.
// - Operations that cannot apply (an index out of range, a count out of bounds) do nothing.
class StringGridModel {
public:
    static constexpr int kInitialColCount = 5;
    static constexpr int kInitialRowCount = 5;
    static constexpr int kInitialFixedCols = 1;
    static constexpr int kInitialFixedRows = 1;
    static constexpr int kInitialDefaultColWidth = 64;
    static constexpr int kInitialDefaultRowHeight = 24;

    StringGridModel();
    virtual ~StringGridModel();
    StringGridModel(const StringGridModel&) = delete;
    StringGridModel& operator=(const StringGridModel&) = delete;

    // The view; nullptr (the start) for none. Not owned.
    void setObserver(StringGridObserver* observer) { observer_ = observer; }
    StringGridObserver* observer() const { return observer_; }
    // The view's in-place editor; nullptr (the start) when there is none. Not owned.
    void setEditorLink(GridEditorLink* editor) { editor_ = editor; }
    GridEditorLink* editorLink() const { return editor_; }

    // Counts. Setting a count below 1 makes it 1; setting a fixed count that is negative or
    // not below its count is refused.
    int ColCount() const { return count(GridAxis::Columns); }
    void setColCount(int count) { setCount(GridAxis::Columns, count); }
    int RowCount() const { return count(GridAxis::Rows); }
    void setRowCount(int count) { setCount(GridAxis::Rows, count); }
    int FixedCols() const { return fixedCount(GridAxis::Columns); }
    void setFixedCols(int count) { setFixedCount(GridAxis::Columns, count); }
    int FixedRows() const { return fixedCount(GridAxis::Rows); }
    void setFixedRows(int count) { setFixedCount(GridAxis::Rows, count); }
    int count(GridAxis axis) const { return count_[axisSlot(axis)]; }
    void setCount(GridAxis axis, int count);
    int fixedCount(GridAxis axis) const { return fixed_[axisSlot(axis)]; }
    void setFixedCount(GridAxis axis, int count);
    // A cell is fixed when its column is below FixedCols or its row below FixedRows.
    bool isFixed(int col, int row) const { return col < FixedCols() || row < FixedRows(); }

    // Cell texts (cp1252 bytes); empty where never set or outside the grid.
    QByteArray Cells(int col, int row) const { return texts_.text(col, row); }
    // The same without a copy, valid until the grid changes: for walks over many cells.
    QByteArrayView cellView(int col, int row) const { return texts_.textView(col, row); }
    void setCells(int col, int row, const QByteArray& text);
    // The object reference of a cell: neither owned nor used by the grid, moved with the text.
    void* Objects(int col, int row) const { return texts_.object(col, row); }
    void setObjects(int col, int row, void* object);

    // Primitives: empty the texts (and objects) of one row or column; move the texts of one
    // row or column from one index to another, those in between closing up (a list move).
    // Neither touches the current cell, the sizes or anything but texts and objects.
    void clearTexts(GridAxis axis, int index);
    void moveTexts(GridAxis axis, int from, int to);
    const CellTextStore& textStore() const { return texts_; }
    // Grows with every change that a saved file could show: a text set to another one, a
    // row or column cleared or moved, a count changed. Equal revisions mean the same texts.
    quint64 textRevision() const { return textRevision_; }

    // A row or column dragged by the user to a new place: both indices must lie inside the
    // grid. The current cell and the anchor go along (list move), sizes stay by index, then
    // RowMoved / ColumnMoved does the moving.
    void MoveRow(int from, int to) { moveLine(GridAxis::Rows, from, to); }
    void MoveColumn(int from, int to) { moveLine(GridAxis::Columns, from, to); }

    // The current cell.
    int Col() const { return current_.col; }
    int Row() const { return current_.row; }
    GridCell current() const { return current_; }
    // Moves the current cell; the selection shrinks to it, or with extendSelection spans
    // from the anchor to it. A fixed or outside cell is refused.
    void setCurrentCell(int col, int row, bool extendSelection = false);
    void setCol(int col) { setCurrentCell(col, current_.row); }
    void setRow(int row) { setCurrentCell(current_.col, row); }

    // The other corner of the selection. Moving it alone keeps the current cell, as a mouse
    // drag does; a fixed or outside cell is refused.
    GridCell anchor() const { return anchor_; }
    void setAnchor(int col, int row);

    // The selected rectangle, spanning the anchor and the current cell.
    TGridRect Selection() const;
    // The anchor becomes the top left corner and the current cell the bottom right one (as
    // the framework does). Refused unless all four sides lie on non-fixed cells.
    void setSelection(const TGridRect& selection);

    // Sizes in pixels; negative sizes are taken as 0. Individual sizes of an index outside
    // the grid are refused; reading one outside gives the default.
    int DefaultColWidth() const { return extents(GridAxis::Columns).defaultSize(); }
    void setDefaultColWidth(int width) { setDefaultSize(GridAxis::Columns, width); }
    int DefaultRowHeight() const { return extents(GridAxis::Rows).defaultSize(); }
    void setDefaultRowHeight(int height) { setDefaultSize(GridAxis::Rows, height); }
    int ColWidths(int col) const { return extents(GridAxis::Columns).size(col); }
    void setColWidths(int col, int width) { setSize(GridAxis::Columns, col, width); }
    int RowHeights(int row) const { return extents(GridAxis::Rows).size(row); }
    void setRowHeights(int row, int height) { setSize(GridAxis::Rows, row, height); }
    const ExtentList& extents(GridAxis axis) const { return extents_[axisSlot(axis)]; }
    void setDefaultSize(GridAxis axis, int size);
    void setSize(GridAxis axis, int index, int size);

    // The grid's Font and background Brush (whose colour is the grid's Color); changes
    // repaint. FixedColor is the colour of the fixed cells.
    TMyFont& Font() { return font_; }
    const TMyFont& Font() const { return font_; }
    TMyBrush& Brush() { return brush_; }
    const TMyBrush& Brush() const { return brush_; }
    TColor Color() const { return brush_.Color(); }
    void setColor(TColor color) { brush_.setColor(color); }
    TColor FixedColor() const { return fixedColor_; }
    virtual void setFixedColor(TColor color);

    // Asks the view to draw the whole grid again.
    void Repaint() const;

    // While one lives, the view hears of no count or text change; when it goes, of one count
    // change and one repaint for all of them. Reading a file grows the counts line by line,
    // and a view that answers each growth at once (its scroll bars queue work for every new
    // range) would spend time and memory on every line.
    class DeferredNotifications {
    public:
        explicit DeferredNotifications(StringGridModel& grid) : grid_(grid) { ++grid_.deferred_; }
        ~DeferredNotifications();
        DeferredNotifications(const DeferredNotifications&) = delete;
        DeferredNotifications& operator=(const DeferredNotifications&) = delete;

    private:
        StringGridModel& grid_;
    };

protected:
    // Hooks of a user's move (see MoveRow): the base moves the texts; a derived grid that
    // takes them over moves its own data and then calls the base.
    virtual void RowMoved(int from, int to);
    virtual void ColumnMoved(int from, int to);

private:
    static constexpr int axisSlot(GridAxis axis) { return axis == GridAxis::Columns ? 0 : 1; }
    ExtentList& mutableExtents(GridAxis axis) { return extents_[axisSlot(axis)]; }

    void moveLine(GridAxis axis, int from, int to);
    // Sets current cell and anchor, reporting a change to the observer.
    void setCurrentAndAnchor(GridCell current, GridCell anchor);
    // Keeps current cell and anchor inside the non-fixed cells.
    void clampCurrent();
    GridCell clamped(GridCell cell) const;
    bool isNonFixedCell(int col, int row) const;

    StringGridObserver* observer_ = nullptr;
    GridEditorLink* editor_ = nullptr;
    int count_[2] = {kInitialColCount, kInitialRowCount};
    int fixed_[2] = {kInitialFixedCols, kInitialFixedRows};
    CellTextStore texts_;
    quint64 textRevision_ = 0;
    // DeferredNotifications alive, and what they hold back.
    int deferred_ = 0;
    bool countsDeferred_ = false;
    bool cellsDeferred_ = false;
    GridCell current_{kInitialFixedCols, kInitialFixedRows};
    GridCell anchor_{kInitialFixedCols, kInitialFixedRows};
    ExtentList extents_[2] = {ExtentList(kInitialDefaultColWidth),
                              ExtentList(kInitialDefaultRowHeight)};
    TMyFont font_;
    TMyBrush brush_;
    TColor fixedColor_ = clBtnFace;
};
