#pragma once

#include "grid/editing/InplaceEdit.h"
#include "grid/model/GridTypes.h"

#include <QByteArray>

// The phrase grid's in-place editor: the base editor that takes its cell's effective
// alignment, font and normal colour, and remembers the cell's text when the edit began (the
// pre-edit text).
//
// Single-line (the grid's EditMultiline off): Enter ends the edit, writing the text;
// Escape puts the pre-edit text back and ends the edit. Either way the editor tells its grid
// through editEntered or editCancelled, then lets the base handling close it. Multi-line:
// Enter only toggles the selection, Escape does nothing, and the arrow, Home, End and page
// keys move the caret inside the text. In both, Ctrl+Enter starts a new line, Tab is never
// typed, and nothing is typed while the editor is bound to no cell.
class TNewInplaceEdit : public TInplaceEdit {
    Q_OBJECT

public:
    explicit TNewInplaceEdit(InplaceEditorHost* host);

    TMyAlign Alignment() const { return alignment_; }
    // Aligns the text; the selection stays and the editor stays over its bound cell.
    void SetEditorAlignment(TMyAlign alignment);

    // The edit of the bound cell has begun (its before-edit was sent) and not yet ended.
    bool EditInProgress() const { return editInProgress_; }
    void setEditInProgress(bool on) { editInProgress_ = on; }
    void setPreEditText(const QByteArray& text) { preEditText_ = text; }

    // Loads the grid's current cell: text, bound cell, alignment, font, colours, and the
    // grid's EditMultiline.
    void UpdateContents() override;

    void KeyDown(int& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;

signals:
    // Single-line: Enter ended the edit of cell; Escape cancelled it.
    void editEntered(GridCell cell);
    void editCancelled(GridCell cell);

private:
    bool bound() const { return BoundCell().col >= 0 && BoundCell().row >= 0; }

    TMyAlign alignment_ = TMyAlign::alLeft;
    bool multiline_ = false;
    bool editInProgress_ = false;
    QByteArray preEditText_;
};
