#pragma once

#include "grid/model/GridTypes.h"
#include "widgets/ControlEvents.h"

#include <QByteArray>
#include <QPlainTextEdit>

class InplaceEditorHost;

// The base grid's in-place editor: a multi-line edit box without frame or scroll bars that
// scrolls its text automatically and does not wrap long lines. Its text is the cell's cp1252
// text; line breaks are CR LF in the cell and single line feeds in the box.
//
// Keys: keyPressEvent calls KeyDown(key, shift); if the key is not consumed, each character
// it types goes through KeyPress(character), and a character still standing goes into the
// box. KeyDown hands Tab (without Alt), Escape, Up, Down, PgUp and PgDn, and Left/Home at
// the start or Right/End at the end of the text, to the grid's KeyDown, and lets the grid's
// OnKeyDown see every other key. KeyPress first calls the grid's KeyPress, then discards
// Tab and Escape, and on Enter toggles between the whole text selected and nothing
// selected. Ctrl+Enter types a line feed, which starts a new line. A double-click is also a
// double-click on the grid's cell.
//
// It knows its grid only as an InplaceEditorHost, and keeps the cell it was loaded for (its
// bound cell) itself: the grid places it, writes its text back and ends its edits by that
// cell.
class TInplaceEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TInplaceEdit(InplaceEditorHost* host);

    // The cell the editor was loaded for; (-1, -1) when bound to none. It stays bound while
    // hidden, until the grid unbinds it (its edit ended, or its cell is gone) or rebinds it
    // (rows or columns moved under it).
    GridCell BoundCell() const { return bound_; }
    void setBoundCell(GridCell cell) { bound_ = cell; }

    // The text as the cell holds it (cp1252, CR LF between lines).
    QByteArray Text() const;
    void setText(const QByteArray& text);

    // Selection in characters of the box's text (a line break counts as one).
    int SelStart() const;
    void setSelStart(int start);
    int SelLength() const;
    void setSelLength(int length);
    void SelectAll();
    void Deselect();

    // Loads the grid's current cell: it becomes the bound cell, its edit text the text.
    virtual void UpdateContents();

    virtual void KeyDown(int& Key, TShiftState Shift);
    virtual void KeyPress(QChar& Key);

    // A character typed on the grid that opened the editor: through KeyPress into the box.
    void receiveCharacter(QChar character);

protected:
    InplaceEditorHost& host() const { return *host_; }

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // Tab that changes the focus leaves the grid as from the grid itself.
    bool focusNextPrevChild(bool next) override;

    // Puts one character into the box as typed: a line feed starts a line, Backspace
    // deletes, other control characters are dropped.
    void typeCharacter(QChar character);

private:
    InplaceEditorHost* host_;
    GridCell bound_;
};
