#pragma once

#include "grid/editing/InplaceEdit.h"
#include "grid/model/GridTypes.h"

#include <QByteArray>

class TPhraseGrid;

// The phrase grid's in-place editor: the base editor that takes its cell's effective
// alignment, font and normal colour, remembers the cell it was loaded for (its bound cell)
// and the cell's text when the edit began (the pre-edit text).
//
// Single-line (the grid's EditMultiline off): Enter ends the edit, writing the text;
// Escape puts the pre-edit text back and ends the edit. Multi-line: Enter only toggles the
// selection, Escape does nothing, and the arrow, Home, End and page keys move the caret
// inside the text. In both, Ctrl+Enter starts a new line, Tab is never typed, and nothing
// is typed while the editor is bound to no cell.
class TNewInplaceEdit : public TInplaceEdit {
    Q_OBJECT

public:
    explicit TNewInplaceEdit(TPhraseGrid* grid);

    TMyAlign Alignment() const { return alignment_; }
    // Aligns the text; the selection stays and the editor stays over its bound cell.
    void SetEditorAlignment(TMyAlign alignment);

    // The cell the editor was loaded for; (-1, -1) when bound to none.
    GridCell BoundCell() const { return bound_; }
    void setBoundCell(GridCell cell) { bound_ = cell; }
    // The edit of the bound cell has begun (its before-edit was sent) and not yet ended.
    bool EditInProgress() const { return editInProgress_; }
    void setEditInProgress(bool on) { editInProgress_ = on; }
    void setPreEditText(const QByteArray& text) { preEditText_ = text; }

    // Loads the grid's current cell: text, bound cell, alignment, font, colours, and the
    // grid's EditMultiline.
    void UpdateContents() override;

    void KeyDown(int& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;

private:
    bool bound() const { return bound_.col >= 0 && bound_.row >= 0; }

    TPhraseGrid* phraseGrid_;
    TMyAlign alignment_ = TMyAlign::alLeft;
    bool multiline_ = false;
    GridCell bound_;
    bool editInProgress_ = false;
    QByteArray preEditText_;
};
