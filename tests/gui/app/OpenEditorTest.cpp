// The row and file commands while a cell is being edited: what was typed stays in its own
// cell or goes with its row, and the focus goes where the user puts it afterwards.
#include "support/app/AppTestSupport.h"

#include "grid/editing/InplaceEdit.h"
#include "grid/view/PhraseGrid.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTest>

namespace {

class OpenEditorTest : public AppTest {
protected:
    void SetUp() override {
        startWith(completeSettings());
        show();
        boxes.clear();
    }

    TPhraseGrid& grid() const { return *fMain->grd[0]; }
    // A click on row 1 of page 1 and F2: the editor is open there.
    void editRow1() {
        const QPoint at = grid().CellRect(0, 1).center();
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, at);
        QTest::keyClick(&grid(), Qt::Key_F2);
        ASSERT_NE(grid().InplaceEditor(), nullptr);
        ASSERT_TRUE(grid().InplaceEditor()->isVisible());
    }
    // Characters typed where the focus is, as a keyboard delivers them.
    static void type(const QString& text) {
        for (const QChar character : text) {
            QWidget* target = QApplication::focusWidget();
            ASSERT_NE(target, nullptr);
            QKeyEvent press(QEvent::KeyPress, character.toUpper().unicode(), Qt::NoModifier,
                            QString(character));
            QApplication::sendEvent(target, &press);
        }
        QApplication::processEvents();
    }
    // Page 1's file as the grid writes it: these rows, then its empty ones.
    QByteArray pageFile(const QByteArrayList& rows) const {
        QByteArray file;
        for (int row = 0; row < model(0).RowCount(); ++row) {
            file += (row < rows.size() ? rows[row] : QByteArray()) + "\t\r\n";
        }
        return file;
    }
    // The user clicks into the preview box and types there.
    void typeIntoPreview(const QString& text) {
        QTest::mouseClick(fMain->Memo1->viewport(), Qt::LeftButton);
        EXPECT_TRUE(fMain->Memo1->hasFocus());
        type(text);
        EXPECT_EQ(fMain->Memo1->toPlainText(), text);
    }
};

} // namespace

TEST_F(OpenEditorTest, DeletingTheEditedRowLeavesTheFocusToTheUser) {
    editRow1();
    QTest::keyClick(grid().InplaceEditor(), Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(model(0).Cells(0, 1), "p1 r2");
    typeIntoPreview(QStringLiteral("abc"));
    EXPECT_EQ(model(0).Cells(0, 1), "p1 r2") << "the row that moved up is untouched";
    ASSERT_TRUE(close());
    EXPECT_EQ(readFile(QStringLiteral("Gitter_1.txt")), pageFile({"p1 r0", "p1 r2"}));
}

TEST_F(OpenEditorTest, RowsInsertedAndDeletedAboveTheEditedOneCarryItsEditAlong) {
    QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, grid().CellRect(0, 2).center());
    QTest::keyClick(&grid(), Qt::Key_F2);
    type(QStringLiteral("neu"));
    // A right press records the row without moving the current cell.
    QTest::mouseClick(grid().viewport(), Qt::RightButton, {}, grid().CellRect(0, 0).center());
    fMain->Zeileeinfgen1->trigger();
    ASSERT_TRUE(grid().InplaceEditor()->isVisible());
    EXPECT_EQ(grid().InplaceEditor()->BoundCell(), (GridCell{0, 3}));
    fMain->ak1->trigger();
    fMain->ak1->trigger();
    ASSERT_TRUE(grid().InplaceEditor()->isVisible());
    EXPECT_EQ(grid().InplaceEditor()->BoundCell(), (GridCell{0, 1}));
    EXPECT_EQ(grid().InplaceEditor()->Text(), "neu");
    typeIntoPreview(QStringLiteral("abc"));
    ASSERT_TRUE(close());
    EXPECT_EQ(readFile(QStringLiteral("Gitter_1.txt")), pageFile({"p1 r1", "neu"}));
}

TEST_F(OpenEditorTest, SaveWritesTheOpenEditorAndLeavesTheFocusToTheUser) {
    editRow1();
    type(QStringLiteral("neu"));
    fMain->Speichern1->trigger();
    EXPECT_EQ(readFile(QStringLiteral("Gitter_1.txt")), pageFile({"p1 r0", "neu", "p1 r2"}));
    typeIntoPreview(QStringLiteral("abc"));
    EXPECT_EQ(model(0).Cells(0, 1), "neu");
    ASSERT_TRUE(close());
    EXPECT_EQ(readFile(QStringLiteral("Gitter_1.txt")), pageFile({"p1 r0", "neu", "p1 r2"}));
}

TEST_F(OpenEditorTest, LoadShowsTheFilesAndWritesNothingTypedBeforeIntoThem) {
    editRow1();
    type(QStringLiteral("getippt"));
    writeFile(QStringLiteral("Gitter_1.txt"), "neu r0\r\nneu r1\r\n");
    fMain->Laden1->trigger();
    EXPECT_FALSE(grid().InplaceEditor()->isVisible());
    EXPECT_EQ(model(0).Cells(0, 1), "neu r1");
    typeIntoPreview(QStringLiteral("abc"));
    EXPECT_EQ(model(0).Cells(0, 1), "neu r1");
    ASSERT_TRUE(close());
    EXPECT_EQ(readFile(QStringLiteral("Gitter_1.txt")), pageFile({"neu r0", "neu r1", "p1 r2"}));
    EXPECT_TRUE(errorTexts().empty());
}
