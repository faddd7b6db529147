#pragma once

#include "grid/model/GridEditorLink.h"
#include "grid/model/GridTypes.h"
#include "widgets/ControlEvents.h"

#include <QByteArray>
#include <QChar>
#include <QColor>
#include <QFont>

class QWidget;
class TInplaceEdit;

// What an editor takes from its grid each time it is loaded for a cell.
struct InplaceEditorSetup {
    TMyAlign alignment = TMyAlign::alLeft;
    QFont font;
    // The cell's normal colours (never the selection colours), both valid.
    QColor background;
    QColor text;
    // Enter and Escape keep the editor open (the phrase grid's EditMultiline).
    bool multiline = false;
};

// The grid as its in-place editor and the edit life cycle see it: the one seam between the
// view and grid/editing. The grids implement it; the editors and the life cycle call it and
// know nothing else of the view. It is also the model's GridEditorLink.
class InplaceEditorHost : public GridEditorLink {
public:
    // For the editor.
    // The widget the editor lives in (the grid's client area).
    virtual QWidget* editorParent() = 0;
    // The cell an editor being loaded is loaded for.
    virtual GridCell currentCell() const = 0;
    virtual QByteArray GetEditText(int ACol, int ARow) = 0;
    virtual InplaceEditorSetup editorSetup(GridCell cell) = 0;
    // Tab and Shift+Tab are the grid's keys (goTabs) rather than focus moves.
    virtual bool takesTabs() const = 0;
    // Keys the editor hands on to the grid's own handling.
    virtual void KeyDown(int& Key, TShiftState Shift) = 0;
    virtual void KeyPress(QChar& Key) = 0;
    // A key the editor keeps for itself: the grid's OnKeyDown still sees it.
    virtual void editorKeyDown(int& Key, TShiftState Shift) = 0;
    // A double-click in the editor is one on the grid's current cell.
    virtual void DblClick() = 0;
    // Moves the focus on to the next (previous) control that is no part of the grid; false
    // when there is none.
    virtual bool focusNextControl(bool backwards) = 0;

    // For the edit life cycle.
    // The editor, or nullptr before its first use.
    virtual TInplaceEdit* InplaceEditor() const = 0;
    // On while the editor is meant to show (ShowEditor and HideEditor switch it).
    virtual bool EditorMode() const = 0;
    // Hides the editor, writing a changed text into its cell; the editor mode stays.
    virtual void closeEditor() = 0;
    // Options contain goAlwaysShowEditor.
    virtual bool alwaysShowsEditor() const = 0;
    // The keyboard focus is on the grid or its editor.
    virtual bool isActiveControl() const = 0;
    // Gives the grid the keyboard focus.
    virtual void focusGrid() = 0;
};
