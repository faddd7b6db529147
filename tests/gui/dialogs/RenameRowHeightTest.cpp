#include "support/dialogs/DialogsTestSupport.h"

#include "dialogs/TfRename.h"
#include "dialogs/TfZeilenHoehe.h"
#include "grid/model/PhraseGridModel.h"
#include "widgets/SpinEdit.h"

#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

namespace {

// The main window as the two dialogs see it: seven pages, each with its grid.
class PagesTest : public DialogsTest {
protected:
    PagesTest() {
        for (const char* caption : {"Sprüche", "Schnaps-Ansagen", "Standardsätze", "Smileys",
                                    "USER1", "USER2", "USER3"}) {
            pages->addTab(new QWidget, QString::fromUtf8(caption));
            grids.push_back(PhraseGridModel::create());
            grids.back()->setRowCount(100);
            grids.back()->setFixedRows(0);
            grids.back()->setDefaultRowHeight(50);
        }
        mainWindow.show();
        placeMainWindow(200, 100, 346);
    }

    // Left, top and width of the outer frame, which the offscreen platform draws 2 pixels
    // wide: the dialogs must go by the frame, not by the client area.
    void placeMainWindow(int left, int top, int outerWidth) {
        mainWindow.move(left, top);
        const int frame = mainWindow.frameGeometry().width() - mainWindow.width();
        mainWindow.resize(outerWidth - frame, 400);
        ASSERT_EQ(mainWindow.frameGeometry().topLeft(), QPoint(left, top));
        ASSERT_EQ(mainWindow.frameGeometry().width(), outerWidth);
    }

    PhraseGridModel* activeGrid() const {
        const int page = pages->currentIndex();
        return page < 0 ? nullptr : grids[static_cast<std::size_t>(page)].get();
    }

    QWidget mainWindow;
    QTabWidget* pages = new QTabWidget(&mainWindow);
    std::vector<std::unique_ptr<PhraseGridModel>> grids;
    TfRename rename{&mainWindow, pages};
    TfZeilenHoehe rowHeight{&mainWindow, [this] { return activeGrid(); }};
};

// Runs the modal dialog; once it is up the check runs and the dialog is closed.
void whileOpen(TfZeilenHoehe& dialog, const std::function<void()>& check) {
    bool ran = false;
    QTimer::singleShot(0, &dialog, [&] {
        ran = true;
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_TRUE(dialog.isModal());
        check();
        dialog.close();
    });
    dialog.openFromMainWindow();
    EXPECT_TRUE(ran);
    EXPECT_FALSE(dialog.isVisible());
}

// The default row height each time the grid reports a change of sizes.
struct HeightLog : StringGridObserver {
    explicit HeightLog(PhraseGridModel& grid) : grid_(grid) { grid.setObserver(this); }
    ~HeightLog() override { grid_.setObserver(nullptr); }
    void gridSizesChanged(GridAxis) override { heights.push_back(grid_.DefaultRowHeight()); }
    std::vector<int> heights;

private:
    PhraseGridModel& grid_;
};

} // namespace

TEST_F(PagesTest, BothDialogsOpenAtHalfTheMainWindowsWidthAndAHundredBelowItsTopEachTime) {
    rename.openFromMainWindow();
    EXPECT_EQ(rename.frameGeometry().topLeft(), QPoint(373, 200));
    EXPECT_TRUE(rename.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    // Opening it again while it is open places it again.
    placeMainWindow(10, 20, 347);
    rename.openFromMainWindow();
    EXPECT_EQ(rename.frameGeometry().topLeft(), QPoint(10 + 173, 120));

    // The row height dialog too; it takes the grid's height within the spinner's range.
    grids[0]->setDefaultRowHeight(150);
    whileOpen(rowHeight, [&] {
        EXPECT_EQ(rowHeight.frameGeometry().topLeft(), QPoint(183, 120));
        EXPECT_EQ(rowHeight.SpinEdit1->value(), 100);
    });
    EXPECT_EQ(grids[0]->DefaultRowHeight(), 100);
    // When the spinner already shows 100 nothing changes, so nothing is set.
    grids[0]->setDefaultRowHeight(150);
    whileOpen(rowHeight, [] {});
    EXPECT_EQ(grids[0]->DefaultRowHeight(), 150);
}

TEST_F(PagesTest, RenamingFollowsThePageThatIsActiveAtEachChange) {
    pages->setCurrentIndex(2);
    rename.openFromMainWindow();
    EXPECT_EQ(rename.Edit1->text(), QStringLiteral("Standardsätze"));

    pages->setCurrentIndex(4);
    rename.Edit1->end(false);
    QTest::keyClicks(rename.Edit1, QStringLiteral("!"));
    EXPECT_EQ(pages->tabText(4), QStringLiteral("Standardsätze!"));
    EXPECT_EQ(pages->tabText(2), QStringLiteral("Standardsätze"));

    // Closing renames the page active then once more.
    pages->setCurrentIndex(6);
    EXPECT_TRUE(rename.close());
    EXPECT_FALSE(rename.isVisible());
    EXPECT_EQ(pages->tabText(6), QStringLiteral("Standardsätze!"));

    // Opening again reloads the text from the page active now; emptying it empties the tab.
    pages->setCurrentIndex(0);
    rename.openFromMainWindow();
    EXPECT_EQ(rename.Edit1->text(), QStringLiteral("Sprüche"));
    rename.Edit1->selectAll();
    QTest::keyClick(rename.Edit1, Qt::Key_Delete);
    EXPECT_EQ(pages->tabText(0), QString());
}

TEST_F(PagesTest, WithoutAnActivePageNothingIsRenamedOrResized) {
    auto* empty = new QTabWidget(&mainWindow);
    TfRename renameNothing(&mainWindow, empty);
    renameNothing.openFromMainWindow();
    QTest::keyClicks(renameNothing.Edit1, QStringLiteral("x"));
    EXPECT_TRUE(renameNothing.close());

    TfZeilenHoehe noGrid(&mainWindow, [] { return nullptr; });
    noGrid.show();
    QTest::keyClick(noGrid.SpinEdit1, Qt::Key_Up);
    EXPECT_EQ(noGrid.SpinEdit1->value(), 26);
    for (const auto& grid : grids) {
        EXPECT_EQ(grid->DefaultRowHeight(), 50);
    }
}

TEST_F(PagesTest, EveryStepSetsEveryRowIncludingAHeaderRow) {
    pages->setCurrentIndex(3);
    PhraseGridModel& smileys = *grids[3];
    smileys.setFixedRows(1);
    smileys.setRowHeights(0, 30);
    whileOpen(rowHeight, [&] {
        QTest::keyClick(rowHeight.SpinEdit1, Qt::Key_Up);
        for (int row = 0; row < smileys.RowCount(); ++row) {
            EXPECT_EQ(smileys.RowHeights(row), 51) << row;
        }
        QTest::keyClick(rowHeight.SpinEdit1, Qt::Key_PageDown);
        EXPECT_EQ(smileys.DefaultRowHeight(), 41);
        // The page switched under the open dialog: the next step sets the page active now.
        pages->setCurrentIndex(0);
        QTest::keyClick(rowHeight.SpinEdit1, Qt::Key_Down);
        EXPECT_EQ(grids[0]->DefaultRowHeight(), 40);
        EXPECT_EQ(smileys.DefaultRowHeight(), 41);
    });
}

TEST_F(PagesTest, TypedDigitsReachTheGridAsTheyAreTyped) {
    pages->setCurrentIndex(0);
    HeightLog log(*grids[0]);
    rowHeight.show();
    SpinEdit& spinner = *rowHeight.SpinEdit1;
    const auto type = [&](const char* keys) {
        spinner.selectAll();
        QTest::keyClicks(&spinner, QString::fromLatin1(keys));
    };
    log.heights.clear();
    type("45");
    // Beyond the range the grid gets the bound at once; the text keeps what was typed.
    type("150");
    EXPECT_EQ(log.heights, (std::vector<int>{4, 45, 1, 15, 100}));
    EXPECT_EQ(spinner.text(), QStringLiteral("150"));

    // Letters cannot be typed; empty or unreadable text is 0, and 0 is applied as it is.
    QTest::keyClicks(&spinner, QStringLiteral("ab"));
    EXPECT_EQ(spinner.text(), QStringLiteral("150"));
    for (const char* zero : {"", "-7", "+"}) {
        spinner.setValue(30);
        type(zero);
        if (*zero == '\0') {
            QTest::keyClick(&spinner, Qt::Key_Backspace);
        }
        EXPECT_EQ(grids[0]->DefaultRowHeight(), 0) << zero;
    }

    // Leaving the spinner brings its text into the range.
    type("250");
    QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&spinner, &focusOut);
    EXPECT_EQ(spinner.text(), QStringLiteral("100"));
    EXPECT_EQ(grids[0]->DefaultRowHeight(), 100);
}
