#pragma once

#include "grid/editing/EditEvents.h"
#include "grid/model/GridTypes.h"

class InplaceEditorHost;
class PhraseGridModel;
class QObject;
class TNewInplaceEdit;

// The life of the phrase grid's edits: when an edit of a cell begins and ends, the edit
// events, and what the focus leaving and entering the grid does to an open edit. The grid
// owns it and calls it from its hooks; it reaches the grid only through InplaceEditorHost
// and the model.
//
// An edit of cell C begins when the editor is about to show on C (OnBeforeEdit, and C's text
// becomes the pre-edit text) and ends when the editor leaves C for another cell, when the
// focus leaves the grid, or with Enter or Escape in single-line mode. The ending events
// (OnValidateEdit, then OnAfterEdit; OnCancelEdit after Escape) run once the input that ended
// the edit has been handled. A rejected edit brings the user back into C with the editor
// open, and the grid keeps the focus until the edit is accepted.
class EditLifeCycle {
public:
    // sender is the grid itself, the Sender of the events.
    EditLifeCycle(InplaceEditorHost& grid, PhraseGridModel& model, QObject& sender,
                  const EditEvents& events);

    // The grid's editing settings.
    bool SelectEditText() const { return selectEditText_; }
    void setSelectEditText(bool on) { selectEditText_ = on; }
    bool AutoEditNextCell() const { return autoEditNextCell_; }
    void setAutoEditNextCell(bool on) { autoEditNextCell_ = on; }
    T_nextcell NextCellEdit() const { return nextCellEdit_; }
    void setNextCellEdit(T_nextcell direction) { nextCellEdit_ = direction; }
    T_lastcell AfterLastCellEdit() const { return afterLastCellEdit_; }
    void setAfterLastCellEdit(T_lastcell last) { afterLastCellEdit_ = last; }

    // The editor-show decision from the base grid's answer: the editor leaving its bound cell
    // ends that edit; the answer also needs the current cell to be editable; yes begins an
    // edit of the current cell unless one is in progress, no unbinds the editor and switches
    // the editor mode off.
    bool decideShow(bool baseAnswer);
    // The user changed the editor's text: the cell keeps its text until the editor closes,
    // so Escape can still go back to it.
    void textChanged();
    // The editor's single-line endings (Enter, Escape), handled once the key is done.
    void postEnterEdit(GridCell cell);
    void postCancelEdit(GridCell cell);

    // The program ends the open edit: the editor closes, writing its text into its cell,
    // and the edit ends there at once, validated as when the focus leaves.
    void endEdit();
    // The edited cell is gone (its row was removed): the edit ends with nothing to validate,
    // since another cell's text is in its place now.
    void cellGone();

    // The focus is leaving the grid: an open edit ends at once. True when the grid keeps the
    // focus (the edit was rejected, or one began and has not ended); the base grid's exit
    // handling must not run then.
    bool focusLeaving();
    // The grid is taking back a focus it never meant to give up: that is no entering.
    bool takingFocusBack() const { return takingFocusBack_; }
    // After the base grid's entry handling: an editor that always shows comes back with the
    // selection it had.
    void focusEntered();
    // After loading from form data.
    void loaded();

private:
    TNewInplaceEdit* editor() const;
    void postLeaveEdit(GridCell cell);
    void cancelEdit(GridCell cell);
    void leaveEdit(GridCell cell);
    void enterEdit(GridCell cell);
    void beforeEdit(GridCell cell);
    void restoreEditor();
    void concludeEdit(GridCell cell);
    // Makes cell current and opens the editor there, keeping the focus in the grid.
    void reopenEditorAt(GridCell cell);
    void takeFocusBack();

    InplaceEditorHost& grid_;
    PhraseGridModel& model_;
    QObject& sender_;
    const EditEvents& events_;

    bool selectEditText_ = true;
    bool autoEditNextCell_ = false;
    T_nextcell nextCellEdit_ = T_nextcell::nc_rightdown;
    T_lastcell afterLastCellEdit_ = T_lastcell::lc_newcolrow;

    // An edit began, or the grid itself reopened the editor, and has not ended: the grid
    // keeps the focus.
    bool refocus_ = false;
    // The editor was open when the focus last left the grid (with goAlwaysShowEditor it is
    // opened again, with this selection, when the focus comes back).
    bool reentry_ = false;
    int savedSelStart_ = 0;
    int savedSelLength_ = 0;
    bool takingFocusBack_ = false;
};
