#include "grid/model/StringGridModel.h"
#include "support/grid/GridTestDoubles.h"

#include <gtest/gtest.h>

namespace {

TEST(StringGridCounts, AreAtLeastOneAndKeepOneNonFixedLine) {
    StringGridModel grid;
    EXPECT_EQ(grid.current(), (GridCell{1, 1})) << "5 x 5 with one fixed row and column";
    grid.setRowCount(10);
    grid.setFixedRows(4);
    grid.setRowCount(4);
    EXPECT_EQ(grid.FixedRows(), 3) << "lowering the count lowers the fixed count";
    grid.setRowCount(0);
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.FixedRows(), 0);

    grid.setFixedCols(5);
    grid.setFixedCols(-1);
    EXPECT_EQ(grid.FixedCols(), 1) << "refused";
    grid.setFixedCols(4);
    EXPECT_EQ(grid.Col(), 4) << "the current cell leaves the fixed columns";
}

TEST(StringGridCurrentCell, StaysOnNonFixedCellsAndSpansTheSelectionFromTheAnchor) {
    StringGridModel grid;
    grid.setCurrentCell(0, 2);
    grid.setCurrentCell(2, 5);
    EXPECT_EQ(grid.current(), (GridCell{1, 1})) << "fixed and outside cells are refused";
    grid.setCurrentCell(3, 3);
    grid.setCurrentCell(1, 4, true);
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 3, 3, 4}));
    grid.setSelection({0, 2, 4, 3});
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 3, 3, 4})) << "a fixed corner is refused";
    grid.setSelection({1, 2, 4, 3});
    EXPECT_EQ(grid.current(), (GridCell{4, 3}));
    grid.setAnchor(2, 1);
    EXPECT_EQ(grid.Selection(), (TGridRect{2, 1, 4, 3})) << "the current cell stays";
    grid.setAnchor(0, 1);
    EXPECT_EQ(grid.anchor(), (GridCell{2, 1})) << "a fixed anchor is refused";

    grid.setRowCount(10);
    grid.setCurrentCell(4, 8);
    grid.setCurrentCell(2, 3, true);
    grid.setRowCount(5);
    grid.setColCount(4);
    EXPECT_EQ(grid.current(), (GridCell{2, 3}));
    EXPECT_EQ(grid.Selection(), (TGridRect{2, 3, 3, 4})) << "the anchor is clamped too";
}

TEST(StringGridTexts, ExistOnlyInsideTheGridNeverReappearAndAreStoredUpToTheLastOne) {
    StringGridModel grid;
    grid.setCells(4, 4, "last");
    grid.setCells(5, 0, "outside");
    grid.setCells(0, -1, "outside");
    EXPECT_EQ(grid.Cells(4, 4), "last");
    EXPECT_EQ(grid.Cells(5, 0), "");
    grid.setRowCount(4);
    grid.setRowCount(5);
    EXPECT_EQ(grid.Cells(4, 4), "");
    int object = 0;
    grid.setObjects(4, 4, &object);
    grid.setColCount(4);
    grid.setColCount(5);
    EXPECT_EQ(grid.Objects(4, 4), nullptr);

    // Storage ends at the last row with a text, wherever the grid ends.
    grid.setRowCount(2000000000);
    grid.setCells(1, 10, "a");
    grid.moveTexts(GridAxis::Rows, 1999999999, 0);
    EXPECT_EQ(grid.Cells(1, 11), "a");
    grid.moveTexts(GridAxis::Rows, 5, 1999999000);
    EXPECT_EQ(grid.Cells(1, 10), "a");
    EXPECT_EQ(grid.textStore().storedRows(1), 11);
    grid.clearTexts(GridAxis::Rows, 10);
    EXPECT_EQ(grid.textStore().storedRows(1), 0);
    grid.setCells(1, 3, "b");
    grid.setCells(1, 7, "c");
    grid.setCells(1, 7, "");
    EXPECT_EQ(grid.Cells(1, 3), "b");
    EXPECT_EQ(grid.textStore().storedRows(1), 4);
}

TEST(StringGridTexts, ClearAndMoveOneRowOrColumnWithItsObjects) {
    StringGridModel grid;
    fillTexts(grid);
    int object = 0;
    grid.setObjects(2, 1, &object);
    grid.moveTexts(GridAxis::Rows, 1, 3);
    EXPECT_EQ(columnTexts(grid, 2), "2:0|2:2|2:3|2:1|2:4|");
    EXPECT_EQ(grid.Objects(2, 3), &object);
    grid.moveTexts(GridAxis::Columns, 4, 0);
    EXPECT_EQ(grid.Cells(0, 0), "4:0");
    EXPECT_EQ(grid.Cells(3, 3), "2:1");
    EXPECT_EQ(grid.Objects(3, 3), &object);

    grid.clearTexts(GridAxis::Rows, 3);
    EXPECT_EQ(grid.Cells(3, 3), "");
    EXPECT_EQ(grid.Objects(3, 3), nullptr);
    EXPECT_EQ(grid.Cells(3, 4), "2:4");
    grid.clearTexts(GridAxis::Columns, 0);
    EXPECT_EQ(columnTexts(grid, 0), "|||||");
    EXPECT_EQ(grid.Cells(1, 0), "0:0");
}

TEST(StringGridMoves, UserMoveCarriesTextsAndCurrentCellButNotSizes) {
    StringGridModel grid;
    fillTexts(grid);
    grid.setRowHeights(2, 40);
    grid.setCurrentCell(1, 2);
    grid.MoveRow(2, 4);
    EXPECT_EQ(columnTexts(grid, 1), "1:0|1:1|1:3|1:4|1:2|");
    EXPECT_EQ(grid.current(), (GridCell{1, 4}));
    EXPECT_EQ(grid.RowHeights(2), 40);
    EXPECT_EQ(grid.RowHeights(4), 24);

    grid.setCurrentCell(3, 1);
    grid.MoveColumn(4, 1);
    EXPECT_EQ(grid.Cells(1, 0), "4:0");
    EXPECT_EQ(grid.Col(), 4);
    grid.MoveColumn(1, 5);
    EXPECT_EQ(grid.Cells(1, 0), "4:0") << "an index outside the grid is refused";
}

TEST(StringGridSizes, DefaultDropsIndividualSizesWhichStayByIndex) {
    StringGridModel grid;
    grid.setRowHeights(0, 30);
    grid.setRowHeights(3, 60);
    grid.setRowHeights(5, 70);
    grid.setColWidths(1, -4);
    EXPECT_EQ(grid.RowHeights(0), 30);
    EXPECT_EQ(grid.RowHeights(5), 24) << "outside the grid";
    EXPECT_EQ(grid.ColWidths(1), 0);
    EXPECT_EQ(grid.extents(GridAxis::Rows).sumBetween(0, 5), 30 + 24 + 24 + 60 + 24);

    grid.setRowCount(3);
    grid.setRowCount(5);
    EXPECT_EQ(grid.RowHeights(3), 24) << "a size beyond a lowered count is dropped";

    grid.setDefaultRowHeight(50);
    EXPECT_EQ(grid.RowHeights(0), 50);
    EXPECT_EQ(grid.extents(GridAxis::Rows).individualCount(), 0u);
}

TEST(StringGridObserverCalls, ReportEachKindOfChange) {
    StringGridModel grid;
    RecordingObserver view;
    grid.setObserver(&view);
    grid.setRowCount(8);
    grid.setRowCount(8);
    grid.setFixedCols(2);
    EXPECT_EQ(view.countChanges, 2);
    EXPECT_EQ(view.currentChanges, 1) << "FixedCols pushed the current cell right";
    grid.setCells(1, 1, "x");
    EXPECT_EQ(view.cellChanges, 1);
    grid.setDefaultColWidth(80);
    grid.setColWidths(2, 80);
    grid.setColWidths(2, 90);
    EXPECT_EQ(view.sizeChanges, 2);
    grid.Font().setHeight(-20);
    EXPECT_EQ(view.fontChanges, 1);
    const int repaints = view.repaints;
    grid.setColor(clAqua);
    grid.setColor(clAqua);
    EXPECT_EQ(view.repaints, repaints + 1);
}

} // namespace
