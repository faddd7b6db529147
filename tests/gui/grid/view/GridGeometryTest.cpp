// Where cells are: mouse-to-cell, cell rectangles, scrolling by whole lines with the fixed
// lines staying put, scroll bars, and sizes by index.
#include "grid/view/PhraseGrid.h"
#include "support/grid/GridWindow.h"

#include <QScrollBar>
#include <QWheelEvent>

#include <climits>

namespace {

using StringGridGeometry = GridWindow<TStringGrid>;

TEST_F(StringGridGeometry,
       MouseToCellCountsGridLinesWithTheCellBeforeThemAndGivesMinusOneOffTheCells) {
    const auto at = [this](int x, int y) { return grid->MouseCoord(x, y); };
    EXPECT_EQ(at(0, 0), (GridCell{0, 0}));
    EXPECT_EQ(at(50, 30), (GridCell{0, 0})) << "the grid lines after the header cell";
    EXPECT_EQ(at(51, 31), (GridCell{1, 1}));
    EXPECT_EQ(at(203, 51), (GridCell{3, 1})) << "the last column's grid line";
    EXPECT_EQ(at(204, 52), (GridCell{-1, 2})) << "right of the last column";
    EXPECT_EQ(at(-1, 40), (GridCell{-1, 1}));
    EXPECT_EQ(at(60, -5), (GridCell{1, -1}));

    int col = 9;
    int row = 9;
    grid->model().setRowCount(3);
    grid->MouseToCell(100, 80, col, row);
    EXPECT_EQ(col, 1);
    EXPECT_EQ(row, -1) << "below the last row (row 2 ends at 72)";

    // Grid lines take room only on an axis that has them.
    grid->setOptions(kDefaultGridOptions & ~TGridOptions(goVertLine | goFixedVertLine));
    EXPECT_EQ(grid->CellRect(2, 1), QRect(100, 31, 50, 20));
    grid->setGridLineWidth(3);
    EXPECT_EQ(grid->CellRect(2, 2), QRect(100, 56, 50, 20));
    EXPECT_EQ(grid->MouseCoord(100, 30), (GridCell{2, 0})) << "a 3-pixel line below the header";
}

TEST_F(StringGridGeometry, ScrollingMovesOnlyTheNonFixedLinesAndStopsWhenTheLastRowShowsWhole) {
    // 150 - 31 = 119 pixels hold five rows of 21: scrolled fully, rows 15 to 19 show.
    grid->setTopRow(100);
    EXPECT_EQ(grid->TopRow(), 15);
    EXPECT_EQ(grid->VisibleRowCount(), 5);
    EXPECT_EQ(grid->MouseCoord(10, 10), (GridCell{0, 0})) << "the header row stays";
    EXPECT_EQ(grid->MouseCoord(10, 31), (GridCell{0, 15}));
    EXPECT_EQ(grid->MouseCoord(10, 135), (GridCell{0, 19})) << "the last row's grid line";
    EXPECT_EQ(grid->MouseCoord(10, 136), (GridCell{0, -1}));
    EXPECT_EQ(grid->CellRect(1, 0), QRect(51, 0, 50, 30));
    EXPECT_EQ(grid->CellRect(1, 15), QRect(51, 31, 50, 20));
    EXPECT_TRUE(grid->CellRect(1, 3).isEmpty()) << "scrolled away";

    grid->setLeftCol(2);
    EXPECT_EQ(grid->LeftCol(), 1) << "all columns fit, nothing to scroll";
    grid->setTopRow(0);
    EXPECT_EQ(grid->TopRow(), 1) << "the scroll position is never a fixed row";

    grid->setTopRow(9);
    grid->model().setFixedRows(0);
    EXPECT_EQ(grid->TopRow(), 0) << "a new fixed count shows the grid from its first line";
    EXPECT_EQ(grid->MouseCoord(10, 10), (GridCell{0, 0}));
    grid->setTopRow(9);
    grid->model().setFixedRows(2);
    EXPECT_EQ(grid->TopRow(), 2);

    grid->model().setRowCount(4);
    grid->setTopRow(3);
    EXPECT_EQ(grid->TopRow(), 2) << "a short grid does not scroll";
}

TEST_F(StringGridGeometry, ScrollBarsCountLinesAndFollowTheScrollStyle) {
    grid->setScrollBars(TScrollStyle::ssVertical);
    QApplication::processEvents();
    EXPECT_EQ(grid->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QScrollBar* bar = grid->verticalScrollBar();
    EXPECT_TRUE(bar->isVisible());
    // The bar took room from the client width, not its height.
    EXPECT_EQ(bar->maximum(), 15 - 1);
    grid->setTopRow(7);
    EXPECT_EQ(bar->value(), 6);
    bar->setValue(3);
    EXPECT_EQ(grid->TopRow(), 4) << "moving the bar scrolls the grid";

    QWheelEvent wheel(QPointF(60, 60), grid->mapToGlobal(QPointF(60, 60)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(client(), &wheel);
    EXPECT_EQ(grid->TopRow(), 4 + QApplication::wheelScrollLines()) << "the wheel scrolls lines";

    grid->model().setRowCount(5);
    QApplication::processEvents();
    EXPECT_FALSE(bar->isVisible()) << "nothing to scroll, no bar";

    grid->setScrollBars(TScrollStyle::ssBoth);
    grid->model().setColCount(12);
    QApplication::processEvents();
    EXPECT_TRUE(grid->horizontalScrollBar()->isVisible());
}

TEST_F(StringGridGeometry, AHugeGridScrollsToItsEndAndMapsThePointerThere) {
    StringGridModel& data = grid->model();
    data.setRowCount(INT_MAX);
    key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(current(), (GridCell{3, INT_MAX - 1}));
    EXPECT_EQ(grid->TopRow(), INT_MAX - 5);
    EXPECT_EQ(grid->MouseCoord(160, 120), (GridCell{3, INT_MAX - 1}));
    key(Qt::Key_PageDown);
    EXPECT_EQ(current().row, INT_MAX - 1) << "a page past the end stops on the last row";

    // Rows of no height and no grid lines: painting must not visit them one by one.
    data.setDefaultRowHeight(0);
    grid->setGridLineWidth(0);
    const QImage image = grid->grab().toImage();
    EXPECT_FALSE(image.isNull());
    EXPECT_EQ(grid->MouseCoord(10, 10), (GridCell{0, -1}));
}

using PhraseGridGeometry = GridWindow<TPhraseGrid>;

TEST_F(PhraseGridGeometry, RowHeightsStayByIndexWhenRowsAreInsertedAndRemoved) {
    PhraseGridModel& model = grid->model();
    model.setRowHeights(3, 40);
    model.setCells(1, 3, "tall");
    model.InsertRow(2);
    EXPECT_EQ(grid->CellRect(1, 3).height(), 40) << "the size stays with index 3";
    EXPECT_EQ(grid->CellRect(1, 4).top(), 31 + 21 + 21 + 41);
    EXPECT_EQ(grid->MouseCoord(60, 31 + 21 + 21 + 41 + 5), (GridCell{1, 4}));
    EXPECT_EQ(model.Cells(1, 4), "tall");
    model.RemoveRow(1);
    model.RemoveRow(1);
    EXPECT_EQ(model.Cells(1, 2), "tall");
    EXPECT_EQ(grid->CellRect(1, 2).height(), 20);
    EXPECT_EQ(grid->CellRect(1, 3).height(), 40);
    EXPECT_EQ(model.RowCount(), 19);
}

} // namespace
