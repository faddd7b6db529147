// The layout reactions of the phrase grid: the last column that fills the client width, the
// cells that follow a dragged thumb, and the notifications of new sizes.
#include "support/grid/PhraseGridWindow.h"

#include <QScrollBar>

namespace {

// The Smileys page's two columns: 65 pixels, then the rest of a 300-pixel client area.
class LastColumn : public PhraseGridWindow {
protected:
    void SetUp() override {
        PhraseGridWindow::SetUp();
        model().setFixedCols(0);
        model().setColCount(2);
        model().setColWidths(0, 65);
    }
    int lastWidth() { return model().ColWidths(1); }
};

TEST_F(LastColumn, FillsTheClientWidthLessOnePixelPerColumnForTheLinesWhenItsTriggersCome) {
    ASSERT_EQ(grid->viewport()->width(), 300);
    EXPECT_EQ(lastWidth(), 50) << "nothing adjusts while the option is off";
    grid->setAutoAdjustLastCol(true);
    EXPECT_EQ(lastWidth(), 300 - 65 - 2);
    model().setColWidths(0, 100);
    EXPECT_EQ(lastWidth(), 300 - 65 - 2) << "a width set by the program is no trigger";
    grid->setGridLineWidth(1);
    EXPECT_EQ(lastWidth(), 300 - 65 - 2) << "an unchanged line width does nothing";
    click(0, 3);
    EXPECT_EQ(lastWidth(), 300 - 100 - 2) << "after a mouse button is let go";

    grid->setGridLineWidth(2);
    EXPECT_EQ(lastWidth(), 300 - 100 - 4);
    grid->resize(400, 150);
    EXPECT_EQ(lastWidth(), 400 - 100 - 4) << "after the grid's size changed";

    grid->setOptions(grid->Options() & ~TGridOptions(goVertLine | goFixedVertLine));
    model().setColWidths(1, 10);
    grid->setAutoAdjustLastCol(true);
    EXPECT_EQ(lastWidth(), 400 - 100) << "no vertical lines, no room for them";

    model().setColWidths(0, 400);
    model().setColWidths(1, 77);
    grid->setAutoAdjustLastCol(true);
    EXPECT_EQ(lastWidth(), 77) << "the other columns fill the client area already";
}

TEST_F(PhraseGridWindow, NewColumnWidthsAndRowHeightsAreAnnounced) {
    int widths = 0;
    int heights = 0;
    grid->OnColWidthsChanged = [&](QObject* sender) {
        EXPECT_EQ(sender, grid);
        ++widths;
    };
    grid->OnRowHeightsChanged = [&](QObject*) { ++heights; };
    model().setColWidths(2, 70);
    EXPECT_EQ(widths, 1);
    EXPECT_EQ(heights, 0);
    model().setDefaultRowHeight(33);
    EXPECT_EQ(heights, 1);
    model().setDefaultRowHeight(33);
    EXPECT_EQ(heights, 1) << "no change, no notification";
}

TEST_F(PhraseGridWindow, DraggedThumbsMoveTheCellsOnlyWhenLetGoUnlessRedrawWhileScroll) {
    grid->setScrollBars(TScrollStyle::ssVertical);
    QScrollBar* bar = grid->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 4);
    bar->setSliderDown(true);
    bar->setSliderPosition(4);
    EXPECT_EQ(grid->TopRow(), 1) << "the cells stay while the thumb is dragged";
    bar->setSliderDown(false);
    EXPECT_EQ(grid->TopRow(), 5) << "and move when it is let go";

    grid->setRedrawWhileScroll(true);
    bar->setSliderDown(true);
    bar->setSliderPosition(2);
    EXPECT_EQ(grid->TopRow(), 3) << "the cells follow the thumb";
    bar->setSliderDown(false);
    grid->setOptions(grid->Options() | goThumbTracking);
    grid->setRedrawWhileScroll(false);
    bar->setSliderDown(true);
    bar->setSliderPosition(6);
    EXPECT_EQ(grid->TopRow(), 7) << "goThumbTracking still tracks";
    bar->setSliderDown(false);
}

} // namespace
