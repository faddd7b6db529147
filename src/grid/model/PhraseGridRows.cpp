// Row and column operations of the phrase grid: the row (column) layer, the cell layer and
// the hint texts follow their rows (columns); the fixed layers and all sizes stay by index.
#include "grid/model/PhraseGridModel.h"

#include <algorithm>
#include <climits>

template <typename Op>
void PhraseGridModel::forMovingLayers(GridAxis axis, Op op) {
    op(axis == GridAxis::Rows ? rowLayer_ : colLayer_);
    cellLayer_.forEachList(axis, op);
    hints_.forEachList(axis, op);
}

template <typename F>
void PhraseGridModel::remapEditorCell(GridAxis axis, F newIndex) {
    GridEditorLink* editor = editorLink();
    if (!editor) {
        return;
    }
    GridCell cell = editor->editorCell();
    const int old = alongAxis(cell, axis);
    if (old < 0) {
        return;
    }
    const int moved = newIndex(old);
    if (moved == old) {
        return;
    }
    alongAxis(cell, axis) = moved;
    editor->setEditorCell(moved < 0 ? GridCell{} : cell);
}

void PhraseGridModel::RemoveRow(int row) {
    if (row < FixedRows() || row >= RowCount() || RowCount() == FixedRows() + 1) {
        return;
    }
    GridEditorLink* editor = editorLink();
    bool showAgain = false;
    if (editor && editor->editorVisible() && editor->editorCell().row >= row) {
        showAgain = editor->editorCell().row > row;
        editor->HideEditor();
    }
    // An editor bound to the removed row would otherwise take over the next row's text as
    // if it were the one being edited.
    remapEditorCell(GridAxis::Rows, [row](int i) { return i == row ? -1 : i > row ? i - 1 : i; });
    forMovingLayers(GridAxis::Rows, [row](auto& list) { list.removeSlot(row); });

    const int currentRow = Row();
    const int last = RowCount() - 1;
    moveTexts(GridAxis::Rows, row, last);
    clearTexts(GridAxis::Rows, last);
    setRowCount(last);
    if (currentRow > row) {
        setRow(currentRow - 1);
    }
    if (showAgain) {
        editor->ShowEditor();
    }
    Repaint();
}

void PhraseGridModel::insertLine(GridAxis axis, int index) {
    if (count(axis) == INT_MAX) {
        return;
    }
    index = std::max(index, fixedCount(axis));
    GridEditorLink* editor = editorLink();
    bool showAgain = false;
    if (editor && editor->editorVisible() && alongAxis(editor->editorCell(), axis) >= index) {
        editor->HideEditor();
        showAgain = true;
    }
    remapEditorCell(axis, [index](int i) { return i >= index && i < INT_MAX ? i + 1 : i; });

    const GridCell was = current();
    setCount(axis, count(axis) + 1);
    forMovingLayers(axis, [index](auto& list) { list.insertSlot(index); });
    const int last = count(axis) - 1;
    clearTexts(axis, last);
    if (index < last) {
        moveTexts(axis, last, index);
    }
    if (alongAxis(was, axis) >= index) {
        GridCell next = was;
        ++alongAxis(next, axis);
        setCurrentCell(next.col, next.row);
    }
    if (showAgain) {
        editor->ShowEditor();
    }
    Repaint();
}

void PhraseGridModel::lineMoved(GridAxis axis, int from, int to) {
    if (from == to) {
        return;
    }
    remapEditorCell(axis, [from, to](int i) { return movedIndex(i, from, to); });
    forMovingLayers(axis, [from, to](auto& list) { list.move(from, to); });
    if (axis == GridAxis::Rows) {
        StringGridModel::RowMoved(from, to);
    } else {
        StringGridModel::ColumnMoved(from, to);
    }
}
