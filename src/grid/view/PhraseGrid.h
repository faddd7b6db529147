#pragma once

#include "grid/editing/EditEvents.h"
#include "grid/editing/EditLifeCycle.h"
#include "grid/model/PhraseGridModel.h"
#include "grid/view/PhraseGridEvents.h"
#include "grid/view/StringGrid.h"

#include <memory>

// The phrase grid: the base grid on a PhraseGridModel (texts, counts, property layers,
// effective values, row and column operations).
//
// Drawing: every cell with its effective font, brush, alignment and word wrap; selected
// cells (but the focused one) in the effective selection colours; fixed cells in the fixed
// font and brush. Hints: with ShowCellHints the hint of the cell under the mouse, below the
// cell; otherwise the control's own hint, the widget's toolTip().
//
// Editing: the editor (a TNewInplaceEdit) opens only on cells whose effective editable is
// true and takes the cell's alignment, font and colour. An edit begins with OnBeforeEdit
// and ends with OnValidateEdit, then OnAfterEdit, or with OnCancelEdit after Escape; the
// ending events come once the key or click that ended the edit has been handled. A rejected
// edit brings the user back into the cell with the editor open, and keeps the focus in the
// grid. The edit life cycle (EditLifeCycle) decides all this; the grid's hooks call it.
// Tab walks the cells in NextCellTab's direction; Ctrl+Ins copies, Shift+Del cuts and
// Shift+Ins pastes the selected cells while no editor is open.
class TPhraseGrid : public TStringGrid, public EditEvents {
    Q_OBJECT

public:
    explicit TPhraseGrid(QWidget* parent = nullptr);
    ~TPhraseGrid() override;

    PhraseGridModel& model() { return *phraseModel_; }
    const PhraseGridModel& model() const { return *phraseModel_; }

    // Drawing.
    // Whether selected cells take the selection colours; setting it repaints.
    bool DrawSelection() const { return drawSelection_; }
    void setDrawSelection(bool on);
    // The hint of the cell under the mouse instead of the control's own hint.
    bool ShowCellHints() const { return showCellHints_; }
    void setShowCellHints(bool on) { showCellHints_ = on; }
    TShowHintCellProc OnShowHintCell;
    // The last column widens (or narrows) to end at the client area's right edge, while the
    // other columns leave room for it.
    bool AutoAdjustLastCol() const { return autoAdjustLastCol_; }
    void setAutoAdjustLastCol(bool on);
    // The cells follow a dragged scroll-bar thumb at once; otherwise they move when the
    // thumb is let go (unless goThumbTracking).
    bool RedrawWhileScroll() const { return redrawWhileScroll_; }
    void setRedrawWhileScroll(bool on);
    void setGridLineWidth(int width) override;
    TNotifyEvent OnColWidthsChanged;
    TNotifyEvent OnRowHeightsChanged;

    // Editing.
    // Enter and Escape keep the editor open; Enter toggles the selection of its text.
    bool EditMultiline() const { return editMultiline_; }
    void setEditMultiline(bool on) { editMultiline_ = on; }
    // Whether the editor opens with its whole text selected (else the caret at its end).
    bool SelectEditText() const { return editCycle_.SelectEditText(); }
    void setSelectEditText(bool on) { editCycle_.setSelectEditText(on); }
    // After an edit that Enter ended and that was accepted, edit the next editable cell.
    bool AutoEditNextCell() const { return editCycle_.AutoEditNextCell(); }
    void setAutoEditNextCell(bool on) { editCycle_.setAutoEditNextCell(on); }
    T_nextcell NextCellEdit() const { return editCycle_.NextCellEdit(); }
    void setNextCellEdit(T_nextcell direction) { editCycle_.setNextCellEdit(direction); }
    T_lastcell AfterLastCellEdit() const { return editCycle_.AfterLastCellEdit(); }
    void setAfterLastCellEdit(T_lastcell last) { editCycle_.setAfterLastCellEdit(last); }
    // Tab's direction (Shift+Tab goes the opposite way) and what it does past the last cell.
    T_nextcell NextCellTab() const { return nextCellTab_; }
    void setNextCellTab(T_nextcell direction) { nextCellTab_ = direction; }
    T_lastcell AfterLastCellTab() const { return afterLastCellTab_; }
    void setAfterLastCellTab(T_lastcell last) { afterLastCellTab_ = last; }
    // The edit events OnBeforeEdit, OnValidateEdit, OnAfterEdit and OnCancelEdit come from
    // EditEvents.
    // Ends the open edit as the program: the editor closes, writing its text into its cell,
    // and the edit is validated at once (a save, a reload and the end of the program need
    // what is being typed in its cell, and the focus free).
    void endEdit() { editCycle_.endEdit(); }
    // A left press on a column header (a fixed-row cell) or a row header (a fixed-column
    // cell; also beside a row, right of the last column).
    TColEvent OnFixedColClick;
    TRowEvent OnFixedRowClick;

    // The clipboard: the selected cells in the grid's text layout (cp1252, TAB after every
    // field, CR LF after every row). Pasting fills the selection within its limits.
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();

    // Keys: the clipboard keys and Tab, then the base grid's keys. Multi-line: Enter is no
    // key press of the grid at all.
    void KeyDown(int& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;

protected:
    // A phrase grid on a derived model, made and set up by PhraseGridModel::create<>().
    TPhraseGrid(std::unique_ptr<PhraseGridModel> model, QWidget* parent);

    // The per-cell drawing hook: a copy of the rectangle goes through DrawCellBackground and
    // DrawCellText, then to OnDrawCell.
    void DrawCell(int ACol, int ARow, const QRect& ARect, TGridDrawState AState) override;
    // Prepares the canvas (the cell's effective font and brush, or the selection colours),
    // fills the cell and widens the rectangle into absent grid lines. With DefaultDrawing
    // off only the canvas is prepared.
    virtual void DrawCellBackground(int ACol, int ARow, TGridDrawState AState, QRect& ARect);
    // Draws the cell's text 2 pixels in from each side, from the top, aligned and wrapped as
    // the cell's effective values say.
    virtual void DrawCellText(int ACol, int ARow, TGridDrawState AState, QRect& ARect);

    bool HintShow(THintInfo& info) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Resize() override;
    void ColWidthsChanged() override;
    void RowHeightsChanged() override;

    // The editing hooks hand over to the edit life cycle. The editor-show decision: the base
    // grid's answer, and only on an editable cell; it begins and ends edits.
    bool CanEditShow() override;
    TInplaceEdit* CreateEditor() override;
    void EditorTextChanged() override;
    void characterInput(QChar Key) override;
    void DoEnter() override;
    void DoExit() override;
    void gridLoaded() override;
    // The cell's effective alignment, font and normal colours, and EditMultiline.
    InplaceEditorSetup editorSetup(GridCell cell) override;
    // Unbinding the editor because its cell is gone ends its edit.
    void setEditorCell(GridCell cell) override;

private:
    void adjustLastCol();

    // Tab and Shift+Tab.
    void tabToNextCell(bool backwards);

    PhraseGridModel* phraseModel_;

    bool drawSelection_ = true;
    bool showCellHints_ = true;
    bool autoAdjustLastCol_ = false;
    bool redrawWhileScroll_ = false;
    // The cell whose hint was prepared last.
    GridCell hintCell_;

    bool editMultiline_ = false;
    T_nextcell nextCellTab_ = T_nextcell::nc_rightdown;
    T_lastcell afterLastCellTab_ = T_lastcell::lc_first;

    EditLifeCycle editCycle_;
};
