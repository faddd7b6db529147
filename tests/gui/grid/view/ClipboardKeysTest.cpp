// The clipboard keys of the grid: Ctrl+Ins copies, Shift+Del cuts, Shift+Ins and
// Ctrl+Shift+Ins paste the selected cells while no editor is open, in the phrase-file layout.
#include "support/grid/PhraseGridWindow.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

class ClipboardKeys : public PhraseGridWindow {
protected:
    void SetUp() override {
        PhraseGridWindow::SetUp();
        grid->setOptions(grid->Options() | goEditing);
        for (int col = 1; col < 4; ++col) {
            for (int row = 1; row < 4; ++row) {
                model().setCells(col, row, QByteArray::number(col) + ':' + QByteArray::number(row));
            }
        }
        clipboard()->clear();
    }
    static QClipboard* clipboard() { return QGuiApplication::clipboard(); }
    QByteArray column(int col) {
        return model().Cells(col, 1) + '|' + model().Cells(col, 2) + '|' + model().Cells(col, 3);
    }
};

TEST_F(ClipboardKeys, CtrlInsCopiesAndShiftDelCutsTheSelectedCellsAsTheirCharacters) {
    model().setCells(1, 1, "Gr\xFC\xDF\x80");
    model().setSelection({1, 1, 2, 3});
    key(Qt::Key_Insert, Qt::ControlModifier);
    const QString lines = QStringLiteral("Grüß€\t2:1\t\r\n1:2\t2:2\t\r\n1:3\t2:3\t\r\n");
    EXPECT_EQ(clipboard()->text(), lines);
    EXPECT_EQ(column(1), "Gr\xFC\xDF\x80|1:2|1:3");

    clipboard()->clear();
    model().EditCell(2, 2, false);
    key(Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(clipboard()->text(), lines);
    EXPECT_EQ(column(1), "||");
    EXPECT_EQ(column(2), "||") << "whatever the cells' editability";
    EXPECT_EQ(column(3), "3:1|3:2|3:3");
}

TEST_F(ClipboardKeys, ShiftInsAndCtrlShiftInsFillTheSelectionWithinItsLimits) {
    clipboard()->setText(QStringLiteral("Ä\tb\tc\r\nd\te\r\nf\r\n"));
    model().setSelection({2, 1, 3, 2});
    key(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(column(1), "1:1|1:2|1:3");
    EXPECT_EQ(column(2), "\xC4|d|2:3");
    EXPECT_EQ(column(3), "b|e|3:3");
    EXPECT_EQ(model().ColCount(), 4) << "nothing beyond the selection";
    EXPECT_EQ(model().RowCount(), 20);

    clipboard()->setText(QStringLiteral("x\ty\r\nz\r\n"));
    model().setCurrentCell(1, 3);
    key(Qt::Key_Insert, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(column(1), "1:1|1:2|x") << "one selected cell takes the first field";
    EXPECT_EQ(model().Cells(2, 3), "2:3");
}

TEST_F(ClipboardKeys, WithTheEditorOpenTheKeysWorkOnItsTextNotOnTheCells) {
    grid->setEditMultiline(true);
    clipboard()->setText(QStringLiteral("neu"));
    key(Qt::Key_F2);
    ASSERT_TRUE(editorShows());
    key(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(editor()->Text(), "neu");
    EXPECT_EQ(model().Cells(1, 1), "1:1");
    EXPECT_EQ(model().Cells(2, 1), "2:1");
    editor()->SelectAll();
    key(Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(clipboard()->text(), QStringLiteral("neu"));
    EXPECT_EQ(editor()->Text(), "");
    EXPECT_EQ(model().Cells(1, 1), "1:1");
}

} // namespace
