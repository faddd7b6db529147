// Walking the cells as Tab and the automatic move after an edit do: the eight directions,
// the four rules past the last cell, tab stops and editable cells.
#include "grid/model/CellTraversal.h"
#include "grid/model/PhraseGridModel.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using enum T_nextcell;
using enum T_lastcell;

// Non-fixed cells in columns 1 to 3 and rows 1 to 3, behind one fixed row and column.
class Traversal : public ::testing::Test {
protected:
    void SetUp() override {
        grid = PhraseGridModel::create();
        grid->setColCount(4);
        grid->setRowCount(4);
        grid->setCells(1, 1, "A");
    }

    GridCell step(GridCell from, T_nextcell direction, T_lastcell last = lc_stop) {
        return nextCellStep(*grid, from, direction, last).cell;
    }

    std::unique_ptr<PhraseGridModel> grid;
};

// Each walk starts at its first cell.
struct Walk {
    T_nextcell direction;
    GridCell first;
    GridCell next;
    GridCell lineStart; // from the last cell of a line into the next line
    GridCell wrapped;
    GridCell last; // the last cell of the traversal
};

TEST_F(Traversal, EachDirectionStepsAlongItsLineThenOnToTheNextLine) {
    const Walk walks[] = {
        {nc_rightdown, {1, 1}, {2, 1}, {3, 1}, {1, 2}, {3, 3}},
        {nc_downright, {1, 1}, {1, 2}, {1, 3}, {2, 1}, {3, 3}},
        {nc_leftdown, {3, 1}, {2, 1}, {1, 1}, {3, 2}, {1, 3}},
        {nc_downleft, {3, 1}, {3, 2}, {3, 3}, {2, 1}, {1, 3}},
        {nc_leftup, {3, 3}, {2, 3}, {1, 3}, {3, 2}, {1, 1}},
        {nc_upleft, {3, 3}, {3, 2}, {3, 1}, {2, 3}, {1, 1}},
        {nc_rightup, {1, 3}, {2, 3}, {3, 3}, {1, 2}, {3, 1}},
        {nc_upright, {1, 3}, {1, 2}, {1, 1}, {2, 3}, {3, 1}},
    };
    for (const Walk& walk : walks) {
        SCOPED_TRACE(static_cast<int>(walk.direction));
        EXPECT_EQ(step(walk.first, walk.direction), walk.next);
        EXPECT_EQ(step(walk.lineStart, walk.direction), walk.wrapped);
        EXPECT_EQ(firstCellOf(*grid, walk.direction), walk.first);

        EXPECT_EQ(step(walk.last, walk.direction, lc_stop), GridCell{});
        EXPECT_EQ(step(walk.last, walk.direction, lc_first), walk.first);
        const TraversalStep exit = nextCellStep(*grid, walk.last, walk.direction, lc_exit);
        EXPECT_EQ(exit.cell, GridCell{});
        EXPECT_TRUE(exit.leave);
        EXPECT_FALSE(nextCellStep(*grid, walk.last, walk.direction, lc_first).leave);

        // Backwards the same cells come in the opposite order.
        const T_nextcell back = oppositeDirection(walk.direction);
        EXPECT_EQ(step(walk.next, back), walk.first);
        EXPECT_EQ(step(walk.wrapped, back), walk.lineStart);
        EXPECT_EQ(oppositeDirection(back), walk.direction);
    }
}

struct Growth {
    T_nextcell direction;
    GridCell last;
    GridAxis grows;
    GridCell newCell;
    GridCell textMovedTo; // where the text of cell (1, 1) is afterwards
};

TEST_F(Traversal, PastTheLastCellANewRowOrColumnIsAddedAtTheEndWhereTheWalkGoes) {
    const Growth growths[] = {
        {nc_rightdown, {3, 3}, GridAxis::Rows, {1, 4}, {1, 1}},
        {nc_downright, {3, 3}, GridAxis::Columns, {4, 1}, {1, 1}},
        {nc_leftdown, {1, 3}, GridAxis::Rows, {3, 4}, {1, 1}},
        {nc_downleft, {1, 3}, GridAxis::Columns, {1, 1}, {2, 1}},
        {nc_leftup, {1, 1}, GridAxis::Rows, {3, 1}, {1, 2}},
        {nc_upleft, {1, 1}, GridAxis::Columns, {1, 3}, {2, 1}},
        {nc_rightup, {3, 1}, GridAxis::Rows, {1, 1}, {1, 2}},
        {nc_upright, {3, 1}, GridAxis::Columns, {4, 3}, {1, 1}},
    };
    for (const Growth& growth : growths) {
        SCOPED_TRACE(static_cast<int>(growth.direction));
        SetUp();
        EXPECT_EQ(step(growth.last, growth.direction, lc_newcolrow), growth.newCell);
        EXPECT_EQ(grid->count(growth.grows), 5);
        EXPECT_EQ(grid->count(growth.grows == GridAxis::Rows ? GridAxis::Columns : GridAxis::Rows),
                  4);
        EXPECT_EQ(grid->Cells(growth.textMovedTo.col, growth.textMovedTo.row), "A");
        EXPECT_EQ(grid->Cells(growth.newCell.col, growth.newCell.row), "")
            << "the walk goes into the new, empty line";
    }
}

TEST_F(Traversal, TabStopsAtColumnsThatAreTabStopsAndComesBackToItsStart) {
    const std::set<int> stops{1, 3};
    const auto isStop = [&](int col) { return stops.count(col) > 0; };
    grid->setCurrentCell(1, 1);
    EXPECT_EQ(tabTarget(*grid, nc_rightdown, lc_first, isStop).cell, (GridCell{3, 1}));
    grid->setCurrentCell(3, 3);
    EXPECT_EQ(tabTarget(*grid, nc_rightdown, lc_first, isStop).cell, (GridCell{1, 1}));
    EXPECT_EQ(tabTarget(*grid, nc_rightdown, lc_stop, isStop).cell, (GridCell{3, 3}))
        << "nowhere to go: the start cell";
    const TraversalStep exit = tabTarget(*grid, nc_rightdown, lc_exit, isStop);
    EXPECT_EQ(exit.cell, (GridCell{3, 3}));
    EXPECT_TRUE(exit.leave);

    grid->setCurrentCell(2, 2);
    EXPECT_EQ(tabTarget(*grid, nc_rightdown, lc_first, [](int) { return false; }).cell,
              (GridCell{2, 2}))
        << "no tab stop anywhere: once round the grid and back";
}

TEST_F(Traversal, TabAddsOneLineAtMostEvenWithoutATabStopInIt) {
    grid->setCurrentCell(3, 3);
    const auto onlyColumnTwo = [](int col) { return col == 2; };
    EXPECT_EQ(tabTarget(*grid, nc_downleft, lc_newcolrow, onlyColumnTwo).cell, (GridCell{2, 1}));
    EXPECT_EQ(grid->ColCount(), 4) << "column 2 comes first on the way left";

    grid->setCurrentCell(1, 3);
    EXPECT_EQ(tabTarget(*grid, nc_downleft, lc_newcolrow, onlyColumnTwo).cell, (GridCell{1, 1}));
    EXPECT_EQ(grid->ColCount(), 5) << "one new column, no endless growth";
}

TEST_F(Traversal, TheNextEditableCellSkipsCellsThatCannotBeEdited) {
    grid->EditCol(2, false);
    grid->EditCell(1, 2, false);
    grid->setCurrentCell(1, 1);
    EXPECT_EQ(nextEditableCell(*grid, nc_rightdown, lc_stop).cell, (GridCell{3, 1}));
    grid->setCurrentCell(3, 1);
    EXPECT_EQ(nextEditableCell(*grid, nc_rightdown, lc_stop).cell, (GridCell{3, 2}));

    grid->setCurrentCell(3, 3);
    EXPECT_EQ(nextEditableCell(*grid, nc_rightdown, lc_stop).cell, GridCell{});
    EXPECT_EQ(nextEditableCell(*grid, nc_rightdown, lc_first).cell, (GridCell{1, 1}));

    grid->EditRow(4, false);
    EXPECT_EQ(nextEditableCell(*grid, nc_rightdown, lc_newcolrow).cell, (GridCell{1, 4}))
        << "a new row ends the search, editable or not";
    EXPECT_EQ(grid->RowCount(), 5);

    grid->setEditable(false);
    grid->setCurrentCell(3, 2);
    EXPECT_EQ(nextEditableCell(*grid, nc_rightdown, lc_first).cell, (GridCell{3, 2}))
        << "nothing editable: back at the start";
}

} // namespace
