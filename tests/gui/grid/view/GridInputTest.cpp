// The current cell and the selection by mouse and keyboard, and the grid's mouse and key
// events.
#include "support/grid/GridWindow.h"

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
    EXPECT_EQ(grid->model().Selection(), (TGridRect{1, 2, 3, 4}));
    EXPECT_EQ(current(), (GridCell{1, 2}));

    click(2, 5, Qt::ShiftModifier);
    EXPECT_EQ(grid->model().Selection(), (TGridRect{1, 2, 2, 5})) << "Shift+click extends";

    drag(centre(3, 3), QPoint(260, 5));
    EXPECT_EQ(grid->model().Selection(), (TGridRect{3, 1, 3, 3}))
        << "beyond the cells the drag stops at the nearest non-fixed cell";

    grid->setOptions(grid->Options() & ~TGridOptions(goRangeSelect));
    drag(centre(1, 1), centre(2, 3));
    EXPECT_EQ(grid->model().Selection(), (TGridRect{2, 3, 2, 3}))
        << "without range selection the drag carries the current cell";
}

TEST_F(GridMouse, DraggingBelowTheCellsScrollsAndExtendsTheRange) {
    QTest::mousePress(client(), Qt::LeftButton, {}, centre(1, 1));
    QTest::mouseMove(client(), QPoint(60, 170));
    EXPECT_TRUE(QTest::qWaitFor([this] { return grid->TopRow() >= 4; }, 5000));
    QTest::mouseRelease(client(), Qt::LeftButton, {}, QPoint(60, 170));
    const int top = grid->TopRow();
    EXPECT_EQ(grid->model().Selection().Bottom, top + 5) << "to the row at the bottom edge";
    EXPECT_EQ(current(), (GridCell{1, 1}));
    QTest::qWait(200);
    EXPECT_EQ(grid->TopRow(), top) << "the release stops the scrolling";
}

struct MousePress {
    QObject* sender;
    TMouseButton button;
    TShiftState shift;
    QPoint at;
};

TEST_F(GridMouse, DoubleClickAndMousePressEventsCarrySenderButtonShiftAndPosition) {
    std::vector<MousePress> presses;
    std::vector<GridCell> doubleClicks;
    grid->OnMouseDown = [&](QObject* sender, TMouseButton button, TShiftState shift, int x, int y) {
        presses.push_back({sender, button, shift, QPoint(x, y)});
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
    EXPECT_EQ(presses[0].at, centre(2, 4));
    EXPECT_FALSE(presses[0].shift.testFlag(ssDouble));
    EXPECT_TRUE(presses[1].shift.testFlag(ssDouble));

    presses.clear();
    QTest::mouseClick(client(), Qt::RightButton, Qt::ShiftModifier, QPoint(120, 140));
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_EQ(presses[0].button, TMouseButton::mbRight);
    EXPECT_TRUE(presses[0].shift.testFlag(ssShift));
    EXPECT_TRUE(presses[0].shift.testFlag(ssRight));
}

using GridKeys = GridWindow<TStringGrid>;

TEST_F(GridKeys, ArrowsHomeEndAndPagesStayOnNonFixedCellsAndKeepThemInView) {
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        GridCell current;
        int top;
        const char* why;
    } steps[] = {
        {Qt::Key_Up, {}, {1, 1}, 1, "not into the header row"},
        {Qt::Key_Left, {}, {1, 1}, 1, "not into the fixed column"},
        {Qt::Key_End, {}, {3, 1}, 1, "End: the last column"},
        {Qt::Key_Right, {}, {3, 1}, 1, "past the last column"},
        {Qt::Key_Down, {}, {3, 2}, 1, "Down"},
        {Qt::Key_Home, {}, {1, 2}, 1, "Home: the first non-fixed column"},
        {Qt::Key_End, Qt::ControlModifier, {3, 19}, 15, "Ctrl+End, scrolled into view"},
        {Qt::Key_Home, Qt::ControlModifier, {1, 1}, 1, "Ctrl+Home"},
        {Qt::Key_Down, {}, {1, 2}, 1, "Down"},
        {Qt::Key_PageDown, {}, {1, 7}, 6, "a page moves the row and the view"},
        {Qt::Key_PageDown, Qt::ControlModifier, {1, 10}, 6, "Ctrl+PgDn: the last row shown whole"},
        {Qt::Key_PageUp, Qt::ControlModifier, {1, 6}, 6, "Ctrl+PgUp: the top row"},
        {Qt::Key_Down, Qt::ControlModifier, {1, 6}, 7, "Ctrl+Down scrolls without moving"},
        {Qt::Key_PageUp, {}, {1, 1}, 1, "a page back"},
    };
    for (const auto& step : steps) {
        key(step.key, step.modifiers);
        EXPECT_EQ(current(), step.current) << step.why;
        EXPECT_EQ(grid->TopRow(), step.top) << step.why;
    }
}

TEST_F(GridKeys, ShiftExtendsTheRangeOnlyWithRangeSelection) {
    click(1, 2);
    key(Qt::Key_Down, Qt::ShiftModifier);
    key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(grid->model().Selection(), (TGridRect{1, 2, 2, 3}));
    EXPECT_EQ(current(), (GridCell{2, 3})) << "the keyboard moves the current cell";
    key(Qt::Key_Up);
    EXPECT_EQ(grid->model().Selection(), (TGridRect{2, 2, 2, 2}));

    grid->setOptions(grid->Options() & ~TGridOptions(goRangeSelect));
    key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid->model().Selection(), (TGridRect{2, 3, 2, 3}));
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
