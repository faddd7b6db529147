// The current cell and the selection by mouse and keyboard, and the grid's mouse and key
// events.
#include "GridWindow.h"

#include <QScrollBar>

#include <vector>

namespace {

using GridMouse = GridWindow<TStringGrid>;

TEST_F(GridMouse, AClickMovesTheCurrentCellButAClickOnAFixedCellDoesNot) {
    click(2, 3);
    EXPECT_EQ(current(), (GridCell{2, 3}));
    click(0, 5);
    click(2, 0);
    EXPECT_EQ(current(), (GridCell{2, 3}));
    QTest::mouseClick(client(), Qt::LeftButton, {}, QPoint(250, 60));
    EXPECT_EQ(current(), (GridCell{2, 3})) << "right of the last column";
    QTest::mouseClick(client(), Qt::RightButton, {}, centre(1, 1));
    EXPECT_EQ(current(), (GridCell{2, 3})) << "only the left button selects";
}

TEST_F(GridMouse, DraggingSpansARangeFromThePressedCellWhichStaysCurrent) {
    drag(centre(1, 2), centre(3, 4));
    EXPECT_EQ(grid->data().Selection(), (TGridRect{1, 2, 3, 4}));
    EXPECT_EQ(current(), (GridCell{1, 2}));

    click(2, 5, Qt::ShiftModifier);
    EXPECT_EQ(grid->data().Selection(), (TGridRect{1, 2, 2, 5})) << "Shift+click extends";

    drag(centre(3, 3), QPoint(260, 5));
    EXPECT_EQ(grid->data().Selection(), (TGridRect{3, 1, 3, 3}))
        << "beyond the cells the drag stops at the nearest non-fixed cell";

    grid->setOptions(grid->Options() & ~TGridOptions(goRangeSelect));
    drag(centre(1, 1), centre(2, 3));
    EXPECT_EQ(grid->data().Selection(), (TGridRect{2, 3, 2, 3}))
        << "without range selection the drag carries the current cell";
}

TEST_F(GridMouse, DraggingBelowTheCellsScrollsAndExtendsTheRange) {
    QTest::mousePress(client(), Qt::LeftButton, {}, centre(1, 1));
    QTest::mouseMove(client(), QPoint(60, 170));
    EXPECT_TRUE(QTest::qWaitFor([this] { return grid->TopRow() >= 4; }, 5000));
    QTest::mouseRelease(client(), Qt::LeftButton, {}, QPoint(60, 170));
    const int top = grid->TopRow();
    EXPECT_EQ(grid->data().Selection().Bottom, top + 5) << "to the row at the bottom edge";
    EXPECT_EQ(current(), (GridCell{1, 1}));
    QTest::qWait(200);
    EXPECT_EQ(grid->TopRow(), top) << "the release stops the scrolling";
}

struct MousePress {
    QObject* sender;
    TMouseButton button;
    TShiftState shift;
    int x;
    int y;
};

TEST_F(GridMouse, DoubleClickAndMousePressEventsCarrySenderButtonShiftAndPosition) {
    std::vector<MousePress> presses;
    std::vector<GridCell> doubleClicks;
    grid->OnMouseDown = [&](QObject* sender, TMouseButton button, TShiftState shift, int x, int y) {
        presses.push_back({sender, button, shift, x, y});
    };
    grid->OnDblClick = [&](QObject* sender) {
        EXPECT_EQ(sender, grid);
        doubleClicks.push_back(current());
    };

    doubleClick(2, 4);
    ASSERT_EQ(doubleClicks.size(), 1u);
    EXPECT_EQ(doubleClicks[0], (GridCell{2, 4})) << "the first press made the cell current";
    ASSERT_EQ(presses.size(), 2u);
    EXPECT_EQ(presses[0].sender, grid);
    EXPECT_EQ(presses[0].button, TMouseButton::mbLeft);
    EXPECT_EQ(QPoint(presses[0].x, presses[0].y), centre(2, 4));
    EXPECT_FALSE(presses[0].shift.testFlag(ssDouble));
    EXPECT_TRUE(presses[1].shift.testFlag(ssDouble));

    presses.clear();
    QTest::mouseClick(client(), Qt::RightButton, Qt::ShiftModifier, QPoint(120, 140));
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_EQ(presses[0].button, TMouseButton::mbRight);
    EXPECT_TRUE(presses[0].shift.testFlag(ssShift));
    EXPECT_TRUE(presses[0].shift.testFlag(ssRight));
    int col = 0;
    int row = 0;
    grid->MouseToCell(presses[0].x, presses[0].y, col, row);
    EXPECT_EQ(row, 6) << "what the main window records as the pressed row";

    grid->data().setRowCount(3);
    presses.clear();
    QTest::mouseClick(client(), Qt::LeftButton, {}, QPoint(60, 120));
    grid->MouseToCell(presses.at(0).x, presses.at(0).y, col, row);
    EXPECT_EQ(row, -1) << "a press below the last row";
}

using GridKeys = GridWindow<TStringGrid>;

TEST_F(GridKeys, ArrowsHomeAndEndStayOnNonFixedCells) {
    key(Qt::Key_Up);
    key(Qt::Key_Left);
    EXPECT_EQ(current(), (GridCell{1, 1}));
    key(Qt::Key_End);
    EXPECT_EQ(current(), (GridCell{3, 1}));
    key(Qt::Key_Right);
    key(Qt::Key_Down);
    EXPECT_EQ(current(), (GridCell{3, 2}));
    key(Qt::Key_Home);
    EXPECT_EQ(current(), (GridCell{1, 2}));
    key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(current(), (GridCell{3, 19}));
    EXPECT_EQ(grid->TopRow(), 15) << "the current cell is scrolled into view";
    key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(current(), (GridCell{1, 1}));
    EXPECT_EQ(grid->TopRow(), 1);
}

TEST_F(GridKeys, PagesMoveTheCurrentRowAndTheViewTogether) {
    key(Qt::Key_Down);
    key(Qt::Key_PageDown);
    EXPECT_EQ(current().row, 7);
    EXPECT_EQ(grid->TopRow(), 6);
    key(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(current().row, 10) << "Ctrl+PgDn: the last row shown whole";
    key(Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(current().row, 6) << "Ctrl+PgUp: the top row";
    key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(grid->TopRow(), 7) << "Ctrl+Down scrolls without moving";
    EXPECT_EQ(current().row, 6);
    key(Qt::Key_PageUp);
    key(Qt::Key_PageUp);
    EXPECT_EQ(current().row, 1);
    EXPECT_EQ(grid->TopRow(), 1);
}

TEST_F(GridKeys, ShiftExtendsTheRangeOnlyWithRangeSelection) {
    click(1, 2);
    key(Qt::Key_Down, Qt::ShiftModifier);
    key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(grid->data().Selection(), (TGridRect{1, 2, 2, 3}));
    EXPECT_EQ(current(), (GridCell{2, 3})) << "the keyboard moves the current cell";
    key(Qt::Key_Up);
    EXPECT_EQ(grid->data().Selection(), (TGridRect{2, 2, 2, 2}));

    grid->setOptions(grid->Options() & ~TGridOptions(goRangeSelect));
    key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid->data().Selection(), (TGridRect{2, 3, 2, 3}));
}

TEST_F(GridKeys, TabMovesThroughTheCellsOnlyWithGoTabs) {
    key(Qt::Key_Tab);
    EXPECT_EQ(current(), (GridCell{1, 1}));
    EXPECT_TRUE(other->hasFocus()) << "without goTabs Tab moves the focus on";

    grid->setOptions(grid->Options() | goTabs);
    grid->setFocus();
    key(Qt::Key_End);
    key(Qt::Key_Tab);
    EXPECT_EQ(current(), (GridCell{1, 2})) << "past the last column into the next row";
    EXPECT_TRUE(grid->hasFocus());
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(current(), (GridCell{3, 1}));
    grid->setTabStops(2, false);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    EXPECT_EQ(current(), (GridCell{3, 2})) << "column 2 is no tab stop";
    key(Qt::Key_End, Qt::ControlModifier);
    key(Qt::Key_Tab);
    EXPECT_EQ(current(), (GridCell{1, 1})) << "from the last cell round to the first";
}

TEST_F(GridKeys, KeyEventsSeeKeysAndCharactersAndCanConsumeThem) {
    std::vector<int> keys;
    QString typed;
    grid->OnKeyDown = [&](QObject*, int& key, TShiftState) {
        keys.push_back(key);
        if (key == Qt::Key_Down) {
            key = 0;
        }
    };
    grid->OnKeyPress = [&](QObject*, QChar& character) { typed += character; };
    key(Qt::Key_Down);
    EXPECT_EQ(current(), (GridCell{1, 1})) << "consumed by the handler";
    key(Qt::Key_Right);
    EXPECT_EQ(current(), (GridCell{2, 1}));
    typeText(grid, QStringLiteral("aÄ"));
    key(Qt::Key_Return);
    EXPECT_EQ(current(), (GridCell{2, 1})) << "letters do not jump to cells";
    grid->setOptions(grid->Options() | goTabs);
    QKeyEvent backtab(QEvent::KeyPress, Qt::Key_Backtab, Qt::ShiftModifier);
    QApplication::sendEvent(grid, &backtab);
    EXPECT_EQ(keys, (std::vector<int>{Qt::Key_Down, Qt::Key_Right, Qt::Key_A, Qt::Key_Adiaeresis,
                                      Qt::Key_Return, Qt::Key_Tab}))
        << "Backtab arrives as Tab with Shift";
    EXPECT_EQ(typed, QStringLiteral("aÄ\r"));
    EXPECT_EQ(current(), (GridCell{1, 1}));
}

} // namespace
