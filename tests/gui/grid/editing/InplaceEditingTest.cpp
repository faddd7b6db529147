// Editing cells in place: what opens the editor, the multi-line and single-line ways of
// ending an edit, the edit events and their order, rejected edits and the focus, and the
// editor's look and its cell.
#include "support/grid/PhraseGridWindow.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QTextDocument>

#include <string>
#include <vector>

namespace {

using Events = std::vector<std::string>;

class Editing : public PhraseGridWindow {
protected:
    void SetUp() override {
        PhraseGridWindow::SetUp();
        grid->setOptions(grid->Options() | goEditing | goTabs);
        model().setCells(1, 1, "eins");
        model().setCells(1, 2, "zwei");
        model().setCells(2, 1, "drei");
        grid->OnBeforeEdit = [this](QObject*, int col, int row) { note("before", col, row); };
        grid->OnValidateEdit = [this](QObject* sender, int col, int row, bool& result) {
            EXPECT_EQ(sender, grid);
            EXPECT_TRUE(result) << "starts true";
            note("validate", col, row);
            result = accept;
        };
        grid->OnAfterEdit = [this](QObject*, int col, int row) { note("after", col, row); };
        grid->OnCancelEdit = [this](QObject*, int col, int row) { note("cancel", col, row); };
        grid->OnKeyPress = [this](QObject*, QChar& character) { pressed += character; };
    }

    void note(const char* what, int col, int row) {
        events.push_back(std::string(what) + ' ' + std::to_string(col) + ',' + std::to_string(row));
    }
    void type(const QString& text) { typeText(QApplication::focusWidget(), text); }
    static void waitPastDoubleClick() { QTest::qWait(QApplication::doubleClickInterval() + 150); }

    Events events;
    QString pressed;
    bool accept = true;
};

TEST_F(Editing, MultiLineEnterAndEscapeKeepTheEditorOpenAndCtrlEnterStartsALine) {
    grid->setEditMultiline(true);
    QByteArray seen;
    grid->OnDblClick = [&](QObject*) { seen = model().Cells(model().Col(), model().Row()); };
    key(Qt::Key_Return);
    EXPECT_FALSE(editorShows()) << "Enter does not open the editor";
    EXPECT_TRUE(pressed.isEmpty()) << "nor is it a key press of the grid";
    key(Qt::Key_F2);
    ASSERT_TRUE(editorShows());
    EXPECT_EQ(events, Events{"before 1,1"});
    EXPECT_EQ(editor()->SelLength(), 4);

    key(Qt::Key_Return);
    EXPECT_EQ(editor()->SelLength(), 0);
    key(Qt::Key_Return);
    EXPECT_EQ(editor()->SelLength(), 4) << "Enter toggles all or nothing selected";
    EXPECT_EQ(editor()->Text(), "eins") << "and types nothing";
    key(Qt::Key_End);
    type(QStringLiteral("!"));
    key(Qt::Key_Return, Qt::ControlModifier);
    type(QStringLiteral("ja"));
    EXPECT_EQ(editor()->Text(), "eins!\r\nja");
    key(Qt::Key_Up);
    EXPECT_EQ(editor()->textCursor().blockNumber(), 0);
    key(Qt::Key_PageDown);
    EXPECT_EQ(editor()->textCursor().blockNumber(), 1);
    key(Qt::Key_Home);
    key(Qt::Key_Left);
    EXPECT_EQ(editor()->textCursor().blockNumber(), 0);
    EXPECT_EQ(current(), (GridCell{1, 1})) << "the caret keys stay inside the text";
    key(Qt::Key_Escape);
    settle();
    ASSERT_TRUE(editorShows()) << "Escape changes nothing";
    EXPECT_EQ(editor()->Text(), "eins!\r\nja");
    EXPECT_EQ(model().Cells(1, 1), "eins") << "the cell is written when the editor closes";
    QTest::mouseDClick(editor()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(seen, "eins") << "so a double-click sees the old text";
    EXPECT_TRUE(editorShows());

    click(2, 3);
    settle();
    EXPECT_FALSE(editorShows());
    EXPECT_EQ(model().Cells(1, 1), "eins!\r\nja");
    EXPECT_EQ(events, (Events{"before 1,1", "validate 1,1", "after 1,1"}));
}

TEST_F(Editing, SingleLineEnterAndTabWriteAndThenValidateAndEscapeRestoresAndCancels) {
    key(Qt::Key_Return);
    ASSERT_TRUE(editorShows()) << "single-line: Enter opens the editor";
    type(QStringLiteral("neu"));
    key(Qt::Key_Return);
    EXPECT_FALSE(editorShows());
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(model().Cells(1, 1), "neu");
    EXPECT_EQ(events, Events{"before 1,1"}) << "the ending events follow the key";
    settle();
    EXPECT_EQ(events, (Events{"before 1,1", "validate 1,1", "after 1,1"}));

    events.clear();
    pressed.clear();
    key(Qt::Key_F2);
    type(QStringLiteral("xyz"));
    key(Qt::Key_Escape);
    EXPECT_FALSE(editorShows());
    EXPECT_EQ(model().Cells(1, 1), "neu") << "the text of the cell when the edit began";
    EXPECT_EQ(pressed, QStringLiteral("xyz\r")) << "the grid's key press sees Escape as Enter";
    settle();
    EXPECT_EQ(events, (Events{"before 1,1", "cancel 1,1"}));
    EXPECT_TRUE(grid->hasFocus());

    key(Qt::Key_Down);
    settle();
    EXPECT_EQ(events, (Events{"before 1,1", "cancel 1,1"})) << "an ended edit ends only once";

    events.clear();
    key(Qt::Key_F2);
    type(QStringLiteral("x"));
    key(Qt::Key_Tab);
    EXPECT_EQ(current(), (GridCell{2, 2}));
    EXPECT_FALSE(editorShows()) << "Tab does not open the next cell";
    EXPECT_EQ(model().Cells(1, 2), "x");
    EXPECT_EQ(events, Events{"before 1,2"});
    settle();
    EXPECT_EQ(events, (Events{"before 1,2", "validate 1,2", "after 1,2"}));
}

TEST_F(Editing, TypingF2AndAClickOnTheCurrentCellOpenTheEditorButADoubleClickNever) {
    grid->setEditMultiline(true);
    typeText(grid, QStringLiteral("Z"));
    ASSERT_TRUE(editorShows());
    EXPECT_EQ(editor()->Text(), "Z") << "the typed character replaces the selected text";
    EXPECT_EQ(pressed, QStringLiteral("Z")) << "through the editor's key press";

    click(2, 3);
    EXPECT_FALSE(editorShows()) << "a click on another cell closes the editor";
    EXPECT_EQ(model().Cells(1, 1), "Z");
    doubleClick(2, 3);
    waitPastDoubleClick();
    EXPECT_FALSE(editorShows()) << "a double-click on the current cell";
    click(2, 3);
    QTRY_VERIFY(editorShows());
    EXPECT_EQ(current(), (GridCell{2, 3}));

    click(1, 2);
    waitPastDoubleClick();
    EXPECT_FALSE(editorShows()) << "a click that moves the current cell";
}

TEST_F(Editing, ACellThatCannotBeEditedNeverOpensAndTypingReachesTheGridInstead) {
    model().EditCol(1, true);
    model().EditCell(1, 2, false);
    model().setCurrentCell(1, 2);
    key(Qt::Key_F2);
    EXPECT_FALSE(editorShows());
    EXPECT_FALSE(grid->EditorMode());
    typeText(grid, QStringLiteral("q"));
    EXPECT_FALSE(editorShows());
    EXPECT_EQ(pressed, QStringLiteral("q"));
    click(1, 2);
    waitPastDoubleClick();
    EXPECT_FALSE(editorShows());
    EXPECT_EQ(model().Cells(1, 2), "zwei");
    settle();
    EXPECT_TRUE(events.empty());

    key(Qt::Key_Up);
    key(Qt::Key_F2);
    EXPECT_TRUE(editorShows()) << "the column's other cells can be edited";
}

TEST_F(Editing, ARejectedEditBringsTheUserBackIntoTheCellAndKeepsTheFocus) {
    grid->setEditMultiline(true);
    int exits = 0;
    grid->OnExit = [&](QObject*) { ++exits; };
    accept = false;
    key(Qt::Key_F2);
    type(QStringLiteral("falsch"));
    click(2, 3);
    settle();
    EXPECT_EQ(current(), (GridCell{1, 1}));
    ASSERT_TRUE(editorShows());
    EXPECT_EQ(editor()->Text(), "falsch");
    EXPECT_EQ(model().Cells(1, 1), "falsch") << "what was written stays";
    EXPECT_TRUE(editor()->hasFocus());
    EXPECT_EQ(events, (Events{"before 1,1", "validate 1,1", "before 1,1"}));

    events.clear();
    QTest::mouseClick(other, Qt::LeftButton);
    EXPECT_TRUE(grid->isActiveControl()) << "another control cannot take the focus";
    EXPECT_TRUE(editorShows());
    EXPECT_EQ(exits, 0);
    EXPECT_EQ(events, (Events{"validate 1,1", "before 1,1"}));

    accept = true;
    events.clear();
    other->setFocus();
    settle();
    EXPECT_TRUE(other->hasFocus());
    EXPECT_EQ(exits, 1);
    EXPECT_FALSE(editorShows());
    EXPECT_EQ(events, (Events{"validate 1,1", "after 1,1"}));
}

TEST_F(Editing, AfterEnterTheNextEditableCellIsEditedAndAfterTheLastCellARowIsAdded) {
    model().setFixedCols(0);
    model().setFixedRows(0);
    model().setColCount(1);
    model().setRowCount(3);
    model().setCells(0, 2, "letzte");
    model().EditCell(0, 1, false);
    grid->setAutoEditNextCell(true);
    model().setCurrentCell(0, 0);
    key(Qt::Key_F2);
    type(QStringLiteral("a"));
    key(Qt::Key_Return);
    settle();
    EXPECT_EQ(current(), (GridCell{0, 2})) << "row 1 cannot be edited";
    ASSERT_TRUE(editorShows());
    EXPECT_EQ(editor()->Text(), "letzte");
    type(QStringLiteral("c"));
    key(Qt::Key_Return);
    settle();
    EXPECT_EQ(model().RowCount(), 4);
    EXPECT_EQ(current(), (GridCell{0, 3}));
    EXPECT_TRUE(editorShows());
    EXPECT_EQ(model().Cells(0, 2), "c");
    EXPECT_EQ(events, (Events{"before 0,0", "validate 0,0", "after 0,0", "before 0,2",
                              "validate 0,2", "after 0,2", "before 0,3"}));
}

TEST_F(Editing, TheEditorTakesItsCellsAlignmentFontAndNormalColour) {
    model().AlignCell(2, 1, TMyAlign::alRight);
    model().ColorCell(2, 1, clYellow);
    model().FontCell(2, 1)->setHeight(-18);
    model().FontCell(2, 1)->setColor(clBlue);
    model().SelectedColorCell(2, 1, clRed);
    key(Qt::Key_Right);
    key(Qt::Key_F2);
    ASSERT_TRUE(editorShows());
    EXPECT_EQ(editor()->document()->defaultTextOption().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
    EXPECT_EQ(editor()->font().pixelSize(), 18);
    EXPECT_EQ(editor()->palette().color(QPalette::Base), QColor(Qt::yellow));
    EXPECT_EQ(editor()->palette().color(QPalette::Text), QColor(Qt::blue));
    EXPECT_GT(editor()->cursorRect().left(), editor()->viewport()->width() / 2)
        << "the text at the right";

    QFont large(QStringLiteral("DejaVu Sans"));
    large.setPixelSize(25);
    window->setFont(large);
    EXPECT_EQ(editor()->font().pixelSize(), 18) << "the cell's own font stays";
    key(Qt::Key_Escape);
    key(Qt::Key_Left);
    key(Qt::Key_F2);
    EXPECT_EQ(editor()->font().pixelSize(), 25);
    EXPECT_EQ(editor()->Alignment(), TMyAlign::alLeft);
    model().Font().setHeight(-14);
    EXPECT_EQ(editor()->font().pixelSize(), 14) << "the grid's font changed while editing";
}

TEST_F(Editing, AnEditorThatAlwaysShowsOpensAfterLoadingAndKeepsItsSelectionWithoutTheFocus) {
    grid->setEditMultiline(true);
    grid->setOptions(grid->Options() | goAlwaysShowEditor);
    other->setFocus();
    model().Loaded();
    EXPECT_FALSE(editorShows());
    grid->setFocus();
    settle();
    ASSERT_TRUE(editorShows()) << "on the first entry with all its text";
    EXPECT_EQ(editor()->SelStart(), 0);
    EXPECT_EQ(editor()->SelLength(), 4);

    editor()->setSelStart(1);
    editor()->setSelLength(2);
    other->setFocus();
    settle();
    grid->setFocus();
    settle();
    ASSERT_TRUE(editorShows());
    EXPECT_TRUE(editor()->hasFocus());
    EXPECT_EQ(editor()->SelStart(), 1);
    EXPECT_EQ(editor()->SelLength(), 2);
}

TEST_F(Editing, WithoutSelectEditTextTheCaretStartsAfterTheText) {
    grid->setSelectEditText(false);
    key(Qt::Key_F2);
    EXPECT_EQ(editor()->SelLength(), 0);
    EXPECT_EQ(editor()->SelStart(), 4);
}

TEST_F(Editing, AnEditStaysWithItsTextWhenRowsAreInsertedOrRemovedAbove) {
    grid->setEditMultiline(true);
    model().setCurrentCell(1, 3);
    key(Qt::Key_F2);
    type(QStringLiteral("drei"));
    model().InsertRow(2);
    settle();
    ASSERT_TRUE(editorShows());
    EXPECT_EQ(editor()->BoundCell(), (GridCell{1, 4}));
    EXPECT_EQ(current(), (GridCell{1, 4}));
    model().RemoveRow(1);
    settle();
    EXPECT_EQ(editor()->BoundCell(), (GridCell{1, 3}));
    EXPECT_EQ(editor()->geometry(), grid->CellRect(1, 3));
    EXPECT_EQ(events, Events{"before 1,3"}) << "one edit, not ended by the rows moving";
    click(2, 5);
    settle();
    EXPECT_EQ(events, (Events{"before 1,3", "validate 1,3", "after 1,3"}));
    EXPECT_EQ(model().Cells(1, 3), "drei");
}

TEST_F(Editing, RemovingTheEditedRowEndsItsEditAndTheFocusGoesWhereTheUserPutsIt) {
    grid->setEditMultiline(true);
    model().setCells(1, 3, "drei");
    model().setCells(1, 4, "vier");
    model().setCurrentCell(1, 2);
    key(Qt::Key_F2);
    ASSERT_TRUE(editorShows());
    model().RemoveRow(2);
    settle();
    EXPECT_FALSE(editorShows());
    EXPECT_EQ(model().Cells(1, 2), "drei");

    QTest::mouseClick(other, Qt::LeftButton);
    EXPECT_TRUE(other->hasFocus()) << "the grid does not hold on to an edit whose row is gone";
    type(QStringLiteral("abc"));
    settle();
    EXPECT_EQ(other->text(), QStringLiteral("abc"));
    EXPECT_FALSE(editorShows());
    EXPECT_EQ(model().Cells(1, 2), "drei") << "the row that moved up keeps its text";
    EXPECT_EQ(events, Events{"before 1,2"}) << "nothing to validate: the cell is gone";
    EXPECT_TRUE(pressed.isEmpty());
}

TEST_F(Editing, AfterRowsMovedUnderAnEditTheFocusStillLeavesAndTheEditEndsInItsCell) {
    grid->setEditMultiline(true);
    model().setCurrentCell(1, 3);
    key(Qt::Key_F2);
    type(QStringLiteral("drei"));
    model().InsertRow(1);
    model().InsertRow(4);
    model().RemoveRow(2);
    settle();
    EXPECT_EQ(current(), (GridCell{1, 4}));
    QTest::mouseClick(other, Qt::LeftButton);
    settle();
    EXPECT_TRUE(other->hasFocus());
    EXPECT_FALSE(editorShows());
    EXPECT_EQ(model().Cells(1, 4), "drei");
    EXPECT_EQ(model().Cells(1, 3), "") << "the row inserted at the edited one";
    EXPECT_EQ(events, (Events{"before 1,3", "validate 1,4", "after 1,4"}));
}

TEST_F(Editing, AnEditTheProgramEndsIsWrittenAndValidatedAndLeavesTheFocusFree) {
    grid->setEditMultiline(true);
    model().setCurrentCell(1, 2);
    key(Qt::Key_F2);
    type(QStringLiteral("neu"));
    grid->endEdit();
    EXPECT_FALSE(editorShows());
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(model().Cells(1, 2), "neu");
    EXPECT_EQ(events, (Events{"before 1,2", "validate 1,2", "after 1,2"}));
    QTest::mouseClick(other, Qt::LeftButton);
    EXPECT_TRUE(other->hasFocus());
    key(Qt::Key_Down);
    settle();
    EXPECT_EQ(events.size(), 3u) << "the ended edit ends only once";
}

TEST_F(Editing, ACharacterComposedOnAClosedCellStartsTheEditorWithIt) {
    grid->setEditMultiline(true);
    QInputMethodQueryEvent query(Qt::ImEnabled | Qt::ImCursorRectangle);
    QApplication::sendEvent(grid, &query);
    EXPECT_TRUE(query.value(Qt::ImEnabled).toBool()) << "the grid takes part in composing";
    EXPECT_EQ(query.value(Qt::ImCursorRectangle).toRect(), grid->CellRect(1, 1));

    QInputMethodEvent composing(QStringLiteral("\u00B4"), {});
    QApplication::sendEvent(grid, &composing);
    EXPECT_FALSE(editorShows()) << "nothing is typed while the character is being composed";
    QInputMethodEvent committed;
    committed.setCommitString(QStringLiteral("\u00E9"));
    QApplication::sendEvent(grid, &committed);
    ASSERT_TRUE(editorShows());
    EXPECT_EQ(editor()->Text(), "\xE9");
    EXPECT_EQ(pressed, QStringLiteral("\u00E9"));
    click(2, 3);
    settle();
    EXPECT_EQ(model().Cells(1, 1), "\xE9");

    // On a cell that cannot be edited it is the grid's key press.
    model().EditCell(2, 3, false);
    pressed.clear();
    QInputMethodEvent umlaut;
    umlaut.setCommitString(QStringLiteral("\u00FC"));
    QApplication::sendEvent(grid, &umlaut);
    EXPECT_FALSE(editorShows());
    EXPECT_EQ(pressed, QStringLiteral("\u00FC"));
}

// Presses on header cells, laid out like the Smileys page: one header row, no fixed column.
TEST_F(PhraseGridWindow, PressesOnHeaderCellsReportTheirColumnOrRow) {
    std::vector<std::string> presses;
    grid->OnFixedColClick = [&](QObject*, int col) {
        presses.push_back("col " + std::to_string(col));
    };
    grid->OnFixedRowClick = [&](QObject*, int row) {
        presses.push_back("row " + std::to_string(row));
    };
    const auto press = [&](QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(client(), button, {}, at);
        QTest::mouseRelease(client(), button, {}, at);
    };
    press(centre(0, 3));
    press(centre(2, 0));
    press(centre(0, 0));
    press(centre(2, 3));
    EXPECT_EQ(presses, (std::vector<std::string>{"row 3", "col 2"}))
        << "the corner reports nothing";

    presses.clear();
    grid->model().setFixedCols(0);
    grid->model().setColCount(2);
    grid->model().setRowCount(4);
    press(centre(1, 0));
    press(QPoint(250, centre(1, 2).y()));
    press(QPoint(250, 140));
    press(centre(1, 0), Qt::RightButton);
    EXPECT_EQ(presses, (std::vector<std::string>{"col 1", "row 2"}))
        << "right of the last column beside a row: column -1, so the row";
}

} // namespace
