#include "grid/editing/EditLifeCycle.h"

#include "grid/editing/InplaceEditorHost.h"
#include "grid/editing/NewInplaceEdit.h"
#include "grid/model/CellTraversal.h"
#include "grid/model/PhraseGridModel.h"

#include <QMetaObject>
#include <QObject>
#include <QScopedValueRollback>

namespace {

bool isCell(GridCell cell) {
    return cell.col >= 0 && cell.row >= 0;
}

} // namespace

EditLifeCycle::EditLifeCycle(InplaceEditorHost& grid, PhraseGridModel& model, QObject& sender,
                             const EditEvents& events)
    : grid_(grid), model_(model), sender_(sender), events_(events) {}

TNewInplaceEdit* EditLifeCycle::editor() const {
    return qobject_cast<TNewInplaceEdit*>(grid_.InplaceEditor());
}

bool EditLifeCycle::decideShow(bool baseAnswer) {
    TNewInplaceEdit* editor = this->editor();
    const GridCell current = model_.current();
    if (editor && editor->BoundCell() != current) {
        // The editor is leaving the cell it edited: that edit ends.
        if (isCell(editor->BoundCell())) {
            postLeaveEdit(editor->BoundCell());
        }
        editor->setEditInProgress(false);
    }
    const bool result = baseAnswer && model_.effectiveEditable(current.col, current.row);
    if (result) {
        if (editor && !editor->EditInProgress()) {
            editor->setEditInProgress(true);
            beforeEdit(current);
            editor->setPreEditText(model_.Cells(current.col, current.row));
        }
        if (editor && !selectEditText_) {
            editor->Deselect();
        }
    } else {
        // Hiding writes the editor's text into its bound cell: the mode goes off before the
        // editor lets go of the cell.
        grid_.HideEditor();
        if (editor) {
            editor->setBoundCell(GridCell{});
        }
    }
    return result;
}

void EditLifeCycle::textChanged() {
    TNewInplaceEdit* editor = this->editor();
    if (editor && isCell(editor->BoundCell())) {
        editor->setPreEditText(model_.Cells(editor->BoundCell().col, editor->BoundCell().row));
    }
}

void EditLifeCycle::postCancelEdit(GridCell cell) {
    QMetaObject::invokeMethod(
        &sender_, [this, cell] { cancelEdit(cell); }, Qt::QueuedConnection);
}

void EditLifeCycle::postEnterEdit(GridCell cell) {
    QMetaObject::invokeMethod(
        &sender_, [this, cell] { enterEdit(cell); }, Qt::QueuedConnection);
}

void EditLifeCycle::postLeaveEdit(GridCell cell) {
    QMetaObject::invokeMethod(
        &sender_, [this, cell] { leaveEdit(cell); }, Qt::QueuedConnection);
}

void EditLifeCycle::cancelEdit(GridCell cell) {
    refocus_ = false;
    if (TNewInplaceEdit* editor = this->editor()) {
        editor->setEditInProgress(false);
    }
    concludeEdit(cell);
    if (isCell(cell) && events_.OnCancelEdit) {
        events_.OnCancelEdit(&sender_, cell.col, cell.row);
    }
}

void EditLifeCycle::concludeEdit(GridCell cell) {
    // A closed editor still bound to the cell would end this edit once more when the user
    // moves on: the edit is over, the editor is bound to no cell.
    TNewInplaceEdit* editor = this->editor();
    if (editor && !grid_.editorVisible() && editor->BoundCell() == cell) {
        editor->setBoundCell(GridCell{});
    }
}

void EditLifeCycle::leaveEdit(GridCell cell) {
    refocus_ = false;
    if (TNewInplaceEdit* editor = this->editor()) {
        editor->setEditInProgress(false);
    }
    if (!isCell(cell)) {
        return;
    }
    bool accepted = true;
    if (events_.OnValidateEdit) {
        events_.OnValidateEdit(&sender_, cell.col, cell.row, accepted);
    }
    if (!accepted) {
        reopenEditorAt(cell);
        return;
    }
    concludeEdit(cell);
    if (events_.OnAfterEdit) {
        events_.OnAfterEdit(&sender_, cell.col, cell.row);
    }
}

void EditLifeCycle::enterEdit(GridCell cell) {
    leaveEdit(cell);
    if (!autoEditNextCell_ || refocus_ || !isCell(cell)) {
        return;
    }
    const TraversalStep next = nextEditableCell(model_, nextCellEdit_, afterLastCellEdit_);
    if (next.leave) {
        grid_.focusNextControl(false);
    }
    if (!isCell(next.cell)) {
        return;
    }
    // The cell just finished has been validated: moving away from it ends nothing more.
    if (TNewInplaceEdit* editor = this->editor()) {
        editor->setBoundCell(GridCell{});
    }
    reopenEditorAt(next.cell);
}

void EditLifeCycle::beforeEdit(GridCell cell) {
    if (isCell(cell) && events_.OnBeforeEdit) {
        events_.OnBeforeEdit(&sender_, cell.col, cell.row);
    }
    refocus_ = true;
}

void EditLifeCycle::restoreEditor() {
    grid_.ShowEditor();
    if (TNewInplaceEdit* editor = this->editor()) {
        editor->setSelStart(savedSelStart_);
        editor->setSelLength(savedSelLength_);
    }
}

void EditLifeCycle::reopenEditorAt(GridCell cell) {
    // The editor shows only in a grid that has the focus.
    takeFocusBack();
    // One move, so that no cell on the way begins an edit of its own.
    model_.setCurrentCell(cell.col, cell.row);
    grid_.ShowEditor();
    refocus_ = true;
}

void EditLifeCycle::takeFocusBack() {
    if (grid_.isActiveControl()) {
        return;
    }
    // Qt cannot refuse a focus change: the grid takes the focus back at once, and since it
    // never meant to give it up, neither leaves nor enters.
    const QScopedValueRollback guard(takingFocusBack_, true);
    grid_.focusGrid();
}

void EditLifeCycle::endEdit() {
    if (!grid_.EditorMode()) {
        return;
    }
    const TNewInplaceEdit* editor = this->editor();
    const GridCell cell = editor ? editor->BoundCell() : GridCell{};
    const bool open = editor && editor->EditInProgress() && isCell(cell);
    grid_.HideEditor();
    if (open) {
        leaveEdit(cell);
    }
}

void EditLifeCycle::cellGone() {
    // The leave-edit of no cell: the edit is over, and the grid no longer keeps the focus.
    leaveEdit(GridCell{});
}

bool EditLifeCycle::focusLeaving() {
    TNewInplaceEdit* editor = this->editor();
    if (editor && grid_.EditorMode()) {
        reentry_ = true;
        savedSelStart_ = editor->SelStart();
        savedSelLength_ = editor->SelLength();
        refocus_ = false;
        if (grid_.editorVisible()) {
            grid_.closeEditor();
            leaveEdit(model_.current());
        }
    }
    if (refocus_) {
        // Rejected, or an edit began and has not ended yet: the grid keeps the focus.
        takeFocusBack();
        return true;
    }
    return false;
}

void EditLifeCycle::focusEntered() {
    if (reentry_ && grid_.alwaysShowsEditor()) {
        QMetaObject::invokeMethod(
            &sender_, [this] { restoreEditor(); }, Qt::QueuedConnection);
    }
}

void EditLifeCycle::loaded() {
    // With an editor that always shows, the first entry into the grid opens it with its
    // whole text selected.
    if (grid_.alwaysShowsEditor()) {
        reentry_ = true;
        if (selectEditText_) {
            savedSelLength_ = -1;
        }
    }
    grid_.HideEditor();
}
