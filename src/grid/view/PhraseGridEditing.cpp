// The edit life cycle of the phrase grid: the editor-show decision that begins and ends
// edits, the edit notifications and their events, and what the focus leaving and entering
// the grid does to an open edit.
#include "grid/view/PhraseGrid.h"

#include "grid/editing/NewInplaceEdit.h"
#include "grid/model/CellTraversal.h"
#include "grid/view/FontMapping.h"

#include <QScopedValueRollback>

namespace {

bool isCell(GridCell cell) {
    return cell.col >= 0 && cell.row >= 0;
}

} // namespace

TInplaceEdit* TPhraseGrid::CreateEditor() {
    auto* editor = new TNewInplaceEdit(this);
    editor->setBoundCell(GridCell{});
    return editor;
}

bool TPhraseGrid::CanEditShow() {
    if (Options().testFlag(goAlwaysShowEditor) && !EditorMode()) {
        // Shows the editor, which asks this decision again with the mode on.
        setEditorMode(true);
    }
    bool result = TStringGrid::CanEditShow();
    TNewInplaceEdit* editor = newEditor();
    const GridCell current = phraseModel_->current();
    if (editor && editor->BoundCell() != current) {
        // The editor is leaving the cell it edited: that edit ends.
        if (isCell(editor->BoundCell())) {
            postLeaveEdit(editor->BoundCell());
        }
        editor->setEditInProgress(false);
    }
    result = result && phraseModel_->effectiveEditable(current.col, current.row);
    if (result) {
        if (editor && !editor->EditInProgress()) {
            editor->setEditInProgress(true);
            beforeEdit(current);
            editor->setPreEditText(phraseModel_->Cells(current.col, current.row));
        }
        if (editor && !selectEditText_) {
            editor->Deselect();
        }
    } else {
        if (editor) {
            editor->setBoundCell(GridCell{});
        }
        setEditorMode(false);
    }
    return result;
}

void TPhraseGrid::EditorTextChanged() {
    // The cell keeps its text until the editor closes, so Escape can still go back to it.
    TNewInplaceEdit* editor = newEditor();
    if (editor && isCell(editor->BoundCell())) {
        editor->setPreEditText(
            phraseModel_->Cells(editor->BoundCell().col, editor->BoundCell().row));
    }
}

void TPhraseGrid::postCancelEdit(GridCell cell) {
    QMetaObject::invokeMethod(
        this, [this, cell] { cancelEdit(cell); }, Qt::QueuedConnection);
}

void TPhraseGrid::postEnterEdit(GridCell cell) {
    QMetaObject::invokeMethod(
        this, [this, cell] { enterEdit(cell); }, Qt::QueuedConnection);
}

void TPhraseGrid::postLeaveEdit(GridCell cell) {
    QMetaObject::invokeMethod(
        this, [this, cell] { leaveEdit(cell); }, Qt::QueuedConnection);
}

void TPhraseGrid::cancelEdit(GridCell cell) {
    refocus_ = false;
    if (TNewInplaceEdit* editor = newEditor()) {
        editor->setEditInProgress(false);
    }
    concludeEdit(cell);
    if (isCell(cell) && OnCancelEdit) {
        OnCancelEdit(this, cell.col, cell.row);
    }
}

void TPhraseGrid::concludeEdit(GridCell cell) {
    // A closed editor still bound to the cell would end this edit once more when the user
    // moves on: the edit is over, the editor is bound to no cell.
    TNewInplaceEdit* editor = newEditor();
    if (editor && !editorVisible() && editor->BoundCell() == cell) {
        editor->setBoundCell(GridCell{});
    }
}

void TPhraseGrid::leaveEdit(GridCell cell) {
    refocus_ = false;
    if (TNewInplaceEdit* editor = newEditor()) {
        editor->setEditInProgress(false);
    }
    if (!isCell(cell)) {
        return;
    }
    bool accepted = true;
    if (OnValidateEdit) {
        OnValidateEdit(this, cell.col, cell.row, accepted);
    }
    if (!accepted) {
        reopenEditorAt(cell);
        return;
    }
    concludeEdit(cell);
    if (OnAfterEdit) {
        OnAfterEdit(this, cell.col, cell.row);
    }
}

void TPhraseGrid::enterEdit(GridCell cell) {
    leaveEdit(cell);
    if (!autoEditNextCell_ || refocus_ || !isCell(cell)) {
        return;
    }
    const TraversalStep next = nextEditableCell(*phraseModel_, nextCellEdit_, afterLastCellEdit_);
    if (next.leave) {
        focusNextControl(false);
    }
    if (!isCell(next.cell)) {
        return;
    }
    // The cell just finished has been validated: moving away from it ends nothing more.
    if (TNewInplaceEdit* editor = newEditor()) {
        editor->setBoundCell(GridCell{});
    }
    reopenEditorAt(next.cell);
}

void TPhraseGrid::beforeEdit(GridCell cell) {
    if (isCell(cell) && OnBeforeEdit) {
        OnBeforeEdit(this, cell.col, cell.row);
    }
    refocus_ = true;
}

void TPhraseGrid::restoreEditor() {
    ShowEditor();
    if (TNewInplaceEdit* editor = newEditor()) {
        editor->setSelStart(savedSelStart_);
        editor->setSelLength(savedSelLength_);
    }
}

void TPhraseGrid::reopenEditorAt(GridCell cell) {
    // The editor shows only in a grid that has the focus.
    takeFocusBack();
    // One move, so that no cell on the way begins an edit of its own.
    phraseModel_->setCurrentCell(cell.col, cell.row);
    ShowEditor();
    refocus_ = true;
}

void TPhraseGrid::takeFocusBack() {
    if (isActiveControl()) {
        return;
    }
    // Qt cannot refuse a focus change: the grid takes the focus back at once, and since it
    // never meant to give it up, neither leaves nor enters.
    const QScopedValueRollback guard(takingFocusBack_, true);
    setFocus(Qt::OtherFocusReason);
}

void TPhraseGrid::DoExit() {
    TNewInplaceEdit* editor = newEditor();
    if (editor && EditorMode()) {
        reentry_ = true;
        savedSelStart_ = editor->SelStart();
        savedSelLength_ = editor->SelLength();
        refocus_ = false;
        if (editorVisible()) {
            HideEdit();
            leaveEdit(phraseModel_->current());
        }
    }
    if (refocus_) {
        // Rejected, or an edit began and has not ended yet: the grid keeps the focus.
        takeFocusBack();
        return;
    }
    TStringGrid::DoExit();
}

void TPhraseGrid::DoEnter() {
    if (takingFocusBack_) {
        return;
    }
    TStringGrid::DoEnter();
    if (reentry_ && Options().testFlag(goAlwaysShowEditor)) {
        QMetaObject::invokeMethod(
            this, [this] { restoreEditor(); }, Qt::QueuedConnection);
    }
}

void TPhraseGrid::FontChanged() {
    TStringGrid::FontChanged();
    if (TNewInplaceEdit* editor = newEditor()) {
        editor->setFont(
            toQFont(phraseModel_->effectiveFont(phraseModel_->Col(), phraseModel_->Row())));
    }
}

void TPhraseGrid::gridLoaded() {
    // With an editor that always shows, the first entry into the grid opens it with its
    // whole text selected.
    if (Options().testFlag(goAlwaysShowEditor)) {
        reentry_ = true;
        if (selectEditText_) {
            savedSelLength_ = -1;
        }
    }
    HideEditor();
}
