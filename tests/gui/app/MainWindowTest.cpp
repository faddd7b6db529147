#include "support/app/AppTestSupport.h"

#include "dialogs/TfAbout.h"
#include "dialogs/TfHelp.h"
#include "dialogs/TfRename.h"
#include "dialogs/TfZeilenHoehe.h"
#include "grid/editing/InplaceEdit.h"
#include "grid/view/PhraseGrid.h"
#include "widgets/SpinEdit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextCursor>

namespace {

// The program started with small rows (GridHeight 21 to 27) so that ten rows show, and the
// rows of page 1 and 2 named "a0", "a1" ... and "b0", "b1" ...
class MainWindowTest : public AppTest {
protected:
    void SetUp() override {
        startWith(completeSettings());
        for (int row = 0; row < 12; ++row) {
            model(0).setCells(0, row, "a" + QByteArray::number(row));
            model(1).setCells(0, row, "b" + QByteArray::number(row));
        }
        show();
        boxes.clear();
    }

    TPhraseGrid& grid(int page) const { return *fMain->grd[page]; }
    QPoint centre(int page, int col, int row) const {
        return grid(page).CellRect(col, row).center();
    }
    void press(int page, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(grid(page).viewport(), button, {}, at);
    }
    void doubleClick(int page, QPoint at) {
        QWidget* client = grid(page).viewport();
        QTest::mouseClick(client, Qt::LeftButton, {}, at);
        QTest::mouseDClick(client, Qt::LeftButton, {}, at);
        QTest::mouseRelease(client, Qt::LeftButton, {}, at);
    }
    QByteArray column(int page, int rows) const {
        QByteArrayList texts;
        for (int row = 0; row < rows; ++row) {
            texts << model(page).Cells(0, row);
        }
        return texts.join(' ');
    }
};

} // namespace

TEST_F(MainWindowTest, ColumnWidthsFollowThePageControl) {
    const int width = fMain->PageControl1->width();
    EXPECT_EQ(model(0).DefaultColWidth(), width - 10);
    EXPECT_EQ(model(6).ColWidths(0), width - 10);
    EXPECT_EQ(model(3).ColWidths(0), 65);
    EXPECT_EQ(model(3).ColWidths(1), width - 100);

    fMain->resize(fMain->width() + 40, fMain->height());
    QApplication::processEvents();
    EXPECT_EQ(fMain->PageControl1->width(), width + 40);
    EXPECT_EQ(model(0).DefaultColWidth(), width + 30);
    EXPECT_EQ(model(3).ColWidths(0), 65);
    EXPECT_EQ(model(3).ColWidths(1), width - 60);
}

TEST_F(MainWindowTest, TheRowCommandsUseThePressedRowNotTheCurrentOneOnTheActivePage) {
    // Before any press: row 0, which on the Smileys page is the header, so nothing is
    // deleted there and inserting goes below it.
    EXPECT_EQ(fMain->pressedRow(), 0);
    fMain->PageControl1->setCurrentIndex(TfMain::kSmileysPage);
    fMain->aktuelleZeilelschen1->trigger();
    fMain->Zeileeinfgen1->trigger();
    EXPECT_EQ(model(3).Cells(1, 0), "Name");
    EXPECT_EQ(model(3).Cells(1, 1), "");
    EXPECT_EQ(model(3).Cells(1, 2), "lacht");
    fMain->PageControl1->setCurrentIndex(0);
    fMain->ak1->trigger();
    EXPECT_EQ(column(0, 3), "a1 a2 a3");

    press(0, centre(0, 0, 5));
    EXPECT_EQ(fMain->pressedRow(), 5);
    for (int step = 0; step < 3; ++step) {
        QTest::keyClick(&grid(0), Qt::Key_Down);
    }
    EXPECT_EQ(model(0).Row(), 8);
    EXPECT_EQ(fMain->pressedRow(), 5);
    fMain->ak1->trigger();
    EXPECT_EQ(column(0, 6), "a1 a2 a3 a4 a5 a7");

    // Another page by its tab: the pressed row stays, the page's grid changes.
    fMain->PageControl1->setCurrentIndex(1);
    fMain->aktuelleZeilelschen1->trigger();
    EXPECT_EQ(column(1, 7), "b0 b1 b2 b3 b4 b6 b7");
    fMain->Zeileeinfgen2->trigger();
    EXPECT_EQ(column(1, 7), "b0 b1 b2 b3 b4  b6");
    EXPECT_EQ(model(0).Cells(0, 5), "a7");
}

TEST_F(MainWindowTest, APressOffTheCellsGivesMinusOne) {
    model(0).setRowCount(3);
    const QRect last = grid(0).CellRect(0, 2);
    press(0, QPoint(last.center().x(), last.bottom() + 10));
    EXPECT_EQ(fMain->pressedRow(), -1);
    fMain->ak1->trigger();
    EXPECT_EQ(model(0).RowCount(), 3);
    fMain->Zeileeinfgen1->trigger();
    EXPECT_EQ(model(0).RowCount(), 4);
    EXPECT_EQ(column(0, 4), " a0 a1 a2");

    // Any button records the row; a right click opens the popup menu on it.
    fMain->PageControl1->setCurrentIndex(1);
    press(1, centre(1, 0, 2), Qt::RightButton);
    EXPECT_EQ(fMain->pressedRow(), 2);
    QContextMenuEvent menuKey(QContextMenuEvent::Mouse, centre(1, 0, 2),
                              grid(1).viewport()->mapToGlobal(centre(1, 0, 2)), {});
    QApplication::sendEvent(grid(1).viewport(), &menuKey);
    EXPECT_TRUE(fMain->PopupMenu1->isVisible());
    fMain->PopupMenu1->hide();
}

TEST_F(MainWindowTest, ADoubleClickAppendsTheCurrentCellAndABlank) {
    model(0).setCells(0, 0, "A");
    model(0).setCells(0, 1, "B");
    model(0).setCells(0, 2, "");
    model(0).setCells(0, 3, "zwei\r\nZeilen");
    doubleClick(0, centre(0, 0, 0));
    doubleClick(0, centre(0, 0, 1));
    EXPECT_EQ(fMain->Memo1->toPlainText(), QStringLiteral("A B "));
    doubleClick(0, centre(0, 0, 2));
    EXPECT_EQ(fMain->Memo1->toPlainText(), QStringLiteral("A B  "));
    fMain->Memo1->clear();
    doubleClick(0, centre(0, 0, 3));
    EXPECT_EQ(fMain->Memo1->toPlainText(), QStringLiteral("zwei\nZeilen "));
    EXPECT_FALSE(grid(0).EditorMode());

    // On the Smileys page a double-click on the header leaves the current cell where it is.
    fMain->Memo1->clear();
    fMain->PageControl1->setCurrentIndex(TfMain::kSmileysPage);
    press(3, centre(3, 1, 2));
    doubleClick(3, centre(3, 0, 0));
    EXPECT_EQ(fMain->Memo1->toPlainText(), QStringLiteral("zwinkert "));
}

TEST_F(MainWindowTest, ShiftDelAndShiftInsAreRowCommandsWhereverTheFocusIs) {
    QApplication::clipboard()->setText(QStringLiteral("XYZ"));
    QPlainTextEdit& memo = *fMain->Memo1;
    memo.setPlainText(QStringLiteral("Hallo"));
    memo.setFocus();
    memo.selectAll();
    QTest::keyClick(&memo, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("Hallo"));
    EXPECT_EQ(column(0, 2), "a1 a2");
    QTest::keyClick(&memo, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("Hallo"));
    EXPECT_EQ(column(0, 2), " a1");
    // Ctrl+Ins is no menu key.
    QTest::keyClick(&memo, Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(column(0, 2), " a1");

    // In the grid's editor too.
    TPhraseGrid& g = grid(0);
    g.setFocus();
    g.model().setCurrentCell(0, 4);
    g.ShowEditor();
    ASSERT_NE(g.InplaceEditor(), nullptr);
    ASSERT_TRUE(g.InplaceEditor()->isVisible());
    const QString edited = g.InplaceEditor()->toPlainText();
    QTest::keyClick(g.InplaceEditor(), Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(g.InplaceEditor()->toPlainText(), edited);
    EXPECT_EQ(column(0, 2), "a1 a2");
}

// A TAB in the preview would be typed into the chat, where a browser takes it as a focus
// move: Tab and Shift+Tab move the focus, as in a dialog; Ctrl+Tab still types one.
TEST_F(MainWindowTest, TabAndShiftTabInThePreviewBoxMoveTheFocus) {
    QPlainTextEdit& memo = *fMain->Memo1;
    memo.setPlainText(QStringLiteral("Hallo"));
    memo.setFocus();
    memo.moveCursor(QTextCursor::End);
    QTest::keyClick(&memo, Qt::Key_Tab);
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("Hallo"));
    QWidget* next = QApplication::focusWidget();
    EXPECT_NE(next, &memo);
    ASSERT_NE(next, nullptr);
    QTest::keyClick(next, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), &memo);
    QTest::keyClick(&memo, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_NE(QApplication::focusWidget(), &memo);
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("Hallo"));

    memo.setFocus();
    QTest::keyClick(&memo, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("Hallo\t"));
    EXPECT_EQ(QApplication::focusWidget(), &memo);
}

TEST_F(MainWindowTest, EveryPageEditsCellsOverSeveralLines) {
    for (int page = 0; page < TfMain::kPageCount; ++page) {
        fMain->PageControl1->setCurrentIndex(page);
        TPhraseGrid& g = grid(page);
        g.setFocus();
        g.model().setCurrentCell(0, 1);
        QTest::keyClick(&g, Qt::Key_F2);
        QWidget* editor = g.InplaceEditor();
        ASSERT_TRUE(editor != nullptr && editor->isVisible()) << page;
        // Enter neither ends the edit nor types; Ctrl+Enter starts a line.
        QTest::keyClick(editor, Qt::Key_Return);
        EXPECT_TRUE(editor->isVisible()) << page;
        QTest::keyClick(editor, Qt::Key_End);
        QTest::keyClick(editor, Qt::Key_Return, Qt::ControlModifier);
        QTest::keyClicks(editor, QStringLiteral("neu"));
        // Leaving the grid ends the edit and writes the cell.
        fMain->Memo1->setFocus();
        EXPECT_FALSE(editor->isVisible()) << page;
        EXPECT_TRUE(g.model().Cells(0, 1).endsWith("\r\nneu")) << page;
    }
}

TEST_F(MainWindowTest, StayOnTopIsAWindowFlagThatKeepsThePlace) {
    TfMain& main = *fMain;
    const QRect place = main.frameGeometry();
    main.Stayontop1->trigger();
    EXPECT_TRUE(main.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&main));
    EXPECT_EQ(main.frameGeometry(), place);
    main.Stayontop1->trigger();
    EXPECT_FALSE(main.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(main.isVisible());
}

TEST_F(MainWindowTest, RenameAndRowHeightOpenBesideTheMainWindow) {
    TfMain& main = *fMain;
    const QRect outer = main.frameGeometry();

    main.PageControl1->setCurrentIndex(2);
    main.Umbenennen2->trigger();
    TfRename& rename = *main.dialogs().rename;
    EXPECT_TRUE(rename.isVisible());
    EXPECT_EQ(rename.frameGeometry().topLeft(),
              QPoint(outer.left() + outer.width() / 2, outer.top() + 100));
    EXPECT_EQ(rename.Edit1->text(), QStringLiteral("Seite 3"));
    rename.Edit1->setText(QStringLiteral("Meine"));
    EXPECT_EQ(main.PageControl1->tabText(2), QStringLiteral("Meine"));
    // Asked for again while it is open: it takes the now active page's caption.
    main.PageControl1->setCurrentIndex(4);
    main.Umbenennen2->trigger();
    EXPECT_EQ(rename.Edit1->text(), QStringLiteral("Seite 5"));
    rename.close();
    EXPECT_EQ(main.PageControl1->tabText(2), QStringLiteral("Meine"));
    EXPECT_EQ(main.PageControl1->tabText(4), QStringLiteral("Seite 5"));
    main.PageControl1->setCurrentIndex(2);

    // The row height dialog works on the active page's grid.
    inModalDialog = [&](QDialog& dialog) {
        static_cast<TfZeilenHoehe&>(dialog).SpinEdit1->setValue(40);
    };
    main.Zeilenhhe1->trigger();
    ASSERT_EQ(modalDialogs.size(), 1u);
    EXPECT_EQ(static_cast<QWidget*>(modalDialogs[0]),
              static_cast<QWidget*>(main.dialogs().rowHeight));
    EXPECT_EQ(model(2).DefaultRowHeight(), 40);

    main.Hilfe2->trigger();
    EXPECT_TRUE(main.dialogs().help->isVisible());
    main.About1->trigger();
    EXPECT_TRUE(main.dialogs().about->isVisible());
}
