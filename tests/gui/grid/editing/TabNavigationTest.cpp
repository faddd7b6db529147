// Tab and Shift+Tab through the cells: the directions, the tab stops and what happens past
// the last cell.
#include "support/grid/PhraseGridWindow.h"

namespace {

// A text page: one column, no fixed lines, five rows.
class TabOnATextPage : public PhraseGridWindow {
protected:
    void SetUp() override {
        PhraseGridWindow::SetUp();
        grid->setOptions(grid->Options() | goEditing | goTabs);
        model().setFixedCols(0);
        model().setFixedRows(0);
        model().setColCount(1);
        model().setRowCount(5);
        model().setCurrentCell(0, 0);
    }
};

TEST_F(TabOnATextPage, TabGoesDownAndFromTheLastRowToTheFirstAndShiftTabBack) {
    key(Qt::Key_Tab);
    EXPECT_EQ(current(), (GridCell{0, 1}));
    model().setCurrentCell(0, 4);
    key(Qt::Key_Tab);
    EXPECT_EQ(current(), (GridCell{0, 0}));
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(current(), (GridCell{0, 4}));
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(current(), (GridCell{0, 3}));
    key(Qt::Key_Tab, Qt::AltModifier);
    EXPECT_EQ(current(), (GridCell{0, 3})) << "Alt+Tab moves nothing";
    EXPECT_TRUE(grid->hasFocus());
}

TEST_F(TabOnATextPage, PastTheLastCellTabStopsLeavesOrAddsARowAndShiftTabLeavesBackwards) {
    model().setCurrentCell(0, 4);
    grid->setAfterLastCellTab(T_lastcell::lc_stop);
    key(Qt::Key_Tab);
    EXPECT_EQ(current(), (GridCell{0, 4}));
    EXPECT_TRUE(grid->hasFocus());

    grid->setAfterLastCellTab(T_lastcell::lc_exit);
    key(Qt::Key_Tab);
    EXPECT_TRUE(other->hasFocus()) << "on to the next control";
    EXPECT_EQ(current(), (GridCell{0, 4}));
    grid->setFocus();
    model().setCurrentCell(0, 0);
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(other->hasFocus());
    EXPECT_EQ(current(), (GridCell{0, 0}));

    grid->setFocus();
    model().setCurrentCell(0, 4);
    model().setCells(0, 4, "vier");
    grid->setAfterLastCellTab(T_lastcell::lc_newcolrow);
    key(Qt::Key_Tab);
    EXPECT_EQ(model().RowCount(), 6);
    EXPECT_EQ(current(), (GridCell{0, 5}));
    EXPECT_EQ(model().Cells(0, 5), "");
    EXPECT_EQ(model().Cells(0, 4), "vier");
}

using TabThroughColumns = PhraseGridWindow;

TEST_F(TabThroughColumns, TabFollowsItsDirectionAndSkipsColumnsThatAreNoTabStops) {
    grid->setOptions(grid->Options() | goTabs);
    grid->setNextCellTab(T_nextcell::nc_leftup);
    model().setCurrentCell(1, 5);
    key(Qt::Key_Tab);
    EXPECT_EQ(current(), (GridCell{3, 4})) << "leftwards, then up a row";
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(current(), (GridCell{1, 5})) << "Shift+Tab the opposite way";

    grid->setNextCellTab(T_nextcell::nc_rightdown);
    grid->setTabStops(2, false);
    model().setCurrentCell(1, 1);
    key(Qt::Key_Tab);
    EXPECT_EQ(current(), (GridCell{3, 1}));
    key(Qt::Key_Tab);
    EXPECT_EQ(current(), (GridCell{1, 2}));
}

TEST_F(TabThroughColumns, WithoutGoTabsTabLeavesTheGrid) {
    grid->setOptions(grid->Options() | goEditing);
    key(Qt::Key_F2);
    key(Qt::Key_Tab);
    EXPECT_TRUE(other->hasFocus()) << "from the editor as from the grid";
    EXPECT_EQ(current(), (GridCell{1, 1}));
}

} // namespace
