// The one in-place editor: shown over the current cell in the editor mode, kept over its
// cell, writing its text back when it hides, and the hooks a derived grid takes over.
#include "grid/editing/InplaceEdit.h"
#include "grid/view/PhraseGrid.h"
#include "support/grid/GridWindow.h"

#include <QScrollBar>

#include <vector>

namespace {

class EditorHost : public GridWindow<TPhraseGrid> {
protected:
    void SetUp() override {
        GridWindow::SetUp();
        grid->setOptions(grid->Options() | goEditing);
        grid->model().setCells(1, 1, "one");
        grid->model().setCells(1, 2, "two");
    }
    TInplaceEdit* editor() const { return grid->InplaceEditor(); }
    bool editorShows() const { return editor() && editor()->isVisible(); }
    void type(const QString& text) { typeText(editor(), text); }
};

TEST_F(EditorHost, ShowsOverTheCurrentCellAndWritesItsTextWhenItHides) {
    EXPECT_EQ(editor(), nullptr) << "made on first use";
    grid->ShowEditor();
    ASSERT_TRUE(editorShows());
    EXPECT_EQ(editor()->geometry(), grid->CellRect(1, 1));
    EXPECT_TRUE(editor()->hasFocus());
    EXPECT_EQ(editor()->Text(), "one");
    EXPECT_EQ(editor()->SelLength(), 3) << "the whole text selected";

    type(QStringLiteral("neu"));
    EXPECT_EQ(grid->model().Cells(1, 1), "one") << "not written while open";
    grid->HideEditor();
    EXPECT_FALSE(editorShows());
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_TRUE(grid->hasFocus()) << "the grid keeps the focus";
    EXPECT_EQ(grid->model().Cells(1, 1), "neu");
}

TEST_F(EditorHost, AnUntouchedEditorLeavesTheCellsBytesAsTheyWere) {
    grid->model().setCells(1, 1, QByteArray("a\rb\nc\xA0", 6));
    grid->ShowEditor();
    EXPECT_EQ(editor()->Text(), QByteArray("a\r\nb\r\nc\xA0", 8));
    grid->HideEditor();
    EXPECT_EQ(grid->model().Cells(1, 1), QByteArray("a\rb\nc\xA0", 6));

    grid->ShowEditor();
    type(QStringLiteral("x"));
    QTest::keyClick(editor(), Qt::Key_Return, Qt::ControlModifier);
    type(QStringLiteral("\xE9"));
    grid->HideEditor();
    EXPECT_EQ(grid->model().Cells(1, 1), "x\r\n\xE9") << "Ctrl+Enter starts a line: CR LF";
}

TEST_F(EditorHost, MovingTheCurrentCellClosesTheEditorUnlessItAlwaysShowsAndCaretKeysMoveIt) {
    grid->ShowEditor();
    type(QStringLiteral("eins"));
    QTest::keyClick(editor(), Qt::Key_Down);
    EXPECT_EQ(current(), (GridCell{1, 2})) << "the editor hands Down to the grid";
    EXPECT_FALSE(editorShows());
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->model().Cells(1, 1), "eins");

    grid->setOptions(grid->Options() | goAlwaysShowEditor);
    grid->ShowEditor();
    QTest::keyClick(editor(), Qt::Key_Up);
    EXPECT_TRUE(editorShows()) << "it follows the current cell";
    EXPECT_EQ(editor()->Text(), "eins");
    EXPECT_EQ(editor()->geometry(), grid->CellRect(1, 1));

    grid->model().setCells(2, 1, "ab");
    grid->model().setCurrentCell(2, 1);
    QTest::keyClick(editor(), Qt::Key_Home);
    EXPECT_EQ(current(), (GridCell{2, 1})) << "Home with the text selected moves the caret";
    QTest::keyClick(editor(), Qt::Key_Left);
    EXPECT_EQ(current(), (GridCell{1, 1})) << "Left at the start of the text";
    EXPECT_EQ(grid->model().Cells(2, 1), "ab");
}

TEST_F(EditorHost, EnterTogglesTheSelectionAndTabAndEscapeTypeNothing) {
    grid->setEditMultiline(true);
    grid->ShowEditor();
    QTest::keyClick(editor(), Qt::Key_Return);
    EXPECT_EQ(editor()->SelLength(), 0);
    EXPECT_EQ(editor()->SelStart(), 3);
    QTest::keyClick(editor(), Qt::Key_Return);
    EXPECT_EQ(editor()->SelLength(), 3);
    QTest::keyClick(editor(), Qt::Key_Escape);
    EXPECT_EQ(editor()->Text(), "one");
    EXPECT_TRUE(editorShows()) << "multi-line: Escape does not close the editor";
}

TEST_F(EditorHost, TheEditorStaysWithItsCellThroughScrollingResizingAndRowOperations) {
    grid->model().setCurrentCell(1, 2);
    grid->ShowEditor();
    grid->setTopRow(5);
    EXPECT_FALSE(editor()->isVisible()) << "hidden while its cell is scrolled away";
    EXPECT_TRUE(grid->EditorMode());
    EXPECT_TRUE(grid->hasFocus());
    grid->setTopRow(1);
    ASSERT_TRUE(editorShows());
    EXPECT_EQ(editor()->geometry(), grid->CellRect(1, 2));
    grid->model().setRowHeights(2, 44);
    EXPECT_EQ(editor()->geometry().height(), 44) << "and when its row grows";

    type(QStringLiteral("zwei"));
    grid->model().InsertRow(1);
    EXPECT_EQ(grid->model().Cells(1, 3), "zwei") << "written before the rows shifted";
    EXPECT_TRUE(editorShows());
    EXPECT_EQ(editor()->geometry(), grid->CellRect(1, 3));
    type(QStringLiteral("drei"));
    grid->model().RemoveRow(3);
    EXPECT_EQ(grid->model().Cells(1, 3), "") << "the edited row is gone";
    EXPECT_EQ(grid->model().Cells(1, 2), "one");
    EXPECT_FALSE(editorShows());
}

TEST_F(EditorHost, LeavingTheGridClosesTheEditorAndTheMoveIntoItsEditorIsNoLeaving) {
    int enters = 0;
    int exits = 0;
    grid->OnEnter = [&](QObject*) { ++enters; };
    grid->OnExit = [&](QObject*) { ++exits; };
    grid->ShowEditor();
    EXPECT_EQ(exits, 0) << "the focus only moved into the grid's own editor";
    type(QStringLiteral("weg"));
    other->setFocus();
    EXPECT_EQ(exits, 1);
    EXPECT_FALSE(editorShows());
    EXPECT_EQ(grid->model().Cells(1, 1), "weg");
    grid->setFocus();
    EXPECT_EQ(enters, 1);
}

// A derived grid that decides itself whether the editor may show and which editor it is.
class OwnEditor : public TInplaceEdit {
public:
    using TInplaceEdit::TInplaceEdit;
    void UpdateContents() override {
        TInplaceEdit::UpdateContents();
        setText(Text() + "!");
    }
};

class DecidingGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;
    bool allow = true;
    int textChanges = 0;

protected:
    bool CanEditShow() override { return allow && TStringGrid::CanEditShow(); }
    TInplaceEdit* CreateEditor() override { return new OwnEditor(this); }
    void EditorTextChanged() override { ++textChanges; }
};

using EditorHooks = GridWindow<DecidingGrid>;

TEST_F(EditorHooks, ADerivedGridDecidesWhetherAndWhichEditorShows) {
    grid->setOptions(grid->Options() | goEditing);
    grid->model().setCells(1, 1, "a");
    grid->allow = false;
    grid->ShowEditor();
    EXPECT_EQ(grid->InplaceEditor(), nullptr);
    EXPECT_TRUE(grid->EditorMode()) << "the mode stays; only the editor does not show";
    grid->allow = true;
    grid->ShowEditor();
    ASSERT_NE(dynamic_cast<OwnEditor*>(grid->InplaceEditor()), nullptr);
    EXPECT_EQ(grid->InplaceEditor()->Text(), "a!");
    EXPECT_EQ(grid->textChanges, 0) << "loading is no change by the user";
    QTest::keyClicks(grid->InplaceEditor(), "b");
    EXPECT_GT(grid->textChanges, 0);
    grid->HideEditor();
    EXPECT_EQ(grid->model().Cells(1, 1), "b");

    grid->setOptions(grid->Options() & ~TGridOptions(goEditing));
    grid->ShowEditor();
    EXPECT_FALSE(grid->InplaceEditor()->isVisible()) << "no editing without goEditing";
}

} // namespace
