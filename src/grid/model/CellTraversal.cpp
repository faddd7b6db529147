#include "grid/model/CellTraversal.h"

#include "grid/model/PhraseGridModel.h"

namespace {

// A direction as two moves: one cell along the first axis each step, and one line along the
// second axis when the first runs out.
struct Walk {
    GridAxis along;
    int step;
    GridAxis across;
    int lineStep;
};

Walk walkOf(T_nextcell direction) {
    using enum T_nextcell;
    constexpr GridAxis cols = GridAxis::Columns;
    constexpr GridAxis rows = GridAxis::Rows;
    switch (direction) {
    case nc_downright:
        return {rows, 1, cols, 1};
    case nc_leftdown:
        return {cols, -1, rows, 1};
    case nc_downleft:
        return {rows, 1, cols, -1};
    case nc_leftup:
        return {cols, -1, rows, -1};
    case nc_upleft:
        return {rows, -1, cols, -1};
    case nc_rightup:
        return {cols, 1, rows, -1};
    case nc_upright:
        return {rows, -1, cols, 1};
    case nc_rightdown:
    default:
        // A stored byte that names no direction walks the default way.
        return {cols, 1, rows, 1};
    }
}

// Where a walk that moves by `step` along an axis enters it: its first non-fixed line going
// forward, its last line going back.
int entryLine(const StringGridModel& grid, GridAxis axis, int step) {
    return step > 0 ? grid.fixedCount(axis) : grid.count(axis) - 1;
}

GridCell firstCell(const StringGridModel& grid, const Walk& walk) {
    GridCell first;
    alongAxis(first, walk.along) = entryLine(grid, walk.along, walk.step);
    alongAxis(first, walk.across) = entryLine(grid, walk.across, walk.lineStep);
    return first;
}

bool inside(const StringGridModel& grid, GridAxis axis, int index) {
    return index >= grid.fixedCount(axis) && index < grid.count(axis);
}

GridCell pastTheLastCell(PhraseGridModel& grid, const Walk& walk, T_lastcell last, bool& leave) {
    switch (last) {
    case T_lastcell::lc_first:
        return firstCell(grid, walk);
    case T_lastcell::lc_newcolrow: {
        const int before = grid.count(walk.across);
        const int at = walk.lineStep > 0 ? before : grid.fixedCount(walk.across);
        if (walk.across == GridAxis::Rows) {
            grid.InsertRow(at);
        } else {
            grid.InsertColumn(at);
        }
        if (grid.count(walk.across) == before) {
            return {}; // the grid cannot grow any further
        }
        GridCell added;
        alongAxis(added, walk.along) = entryLine(grid, walk.along, walk.step);
        alongAxis(added, walk.across) =
            walk.lineStep > 0 ? grid.count(walk.across) - 1 : grid.fixedCount(walk.across);
        return added;
    }
    case T_lastcell::lc_exit:
        leave = true;
        return {};
    case T_lastcell::lc_stop:
    default:
        return {};
    }
}

bool sameCounts(const StringGridModel& grid, int cols, int rows) {
    return grid.ColCount() == cols && grid.RowCount() == rows;
}

} // namespace

T_nextcell oppositeDirection(T_nextcell direction) {
    return static_cast<T_nextcell>((static_cast<int>(direction) + 4) % 8);
}

GridCell firstCellOf(const StringGridModel& grid, T_nextcell direction) {
    return firstCell(grid, walkOf(direction));
}

TraversalStep nextCellStep(PhraseGridModel& grid, GridCell cell, T_nextcell direction,
                           T_lastcell last) {
    const Walk walk = walkOf(direction);
    TraversalStep result;
    int& along = alongAxis(cell, walk.along);
    int& across = alongAxis(cell, walk.across);
    along += walk.step;
    if (!inside(grid, walk.along, along)) {
        along = entryLine(grid, walk.along, walk.step);
        across += walk.lineStep;
        if (!inside(grid, walk.across, across)) {
            result.cell = pastTheLastCell(grid, walk, last, result.leave);
            return result;
        }
    }
    result.cell = cell;
    return result;
}

namespace {

// Steps from the current cell until isTarget(cell), the start cell again, or a step that
// added a line (the new line ends the walk: without any target cell every added line would
// be followed by the next, for ever). Past the last cell with nowhere to go gives nowhere.
template <typename Target>
TraversalStep walkFromCurrent(PhraseGridModel& grid, T_nextcell direction, T_lastcell last,
                              Target isTarget, GridCell nowhere) {
    const GridCell start = grid.current();
    const int cols = grid.ColCount();
    const int rows = grid.RowCount();
    TraversalStep result;
    GridCell cell = start;
    for (;;) {
        const TraversalStep step = nextCellStep(grid, cell, direction, last);
        result.leave = result.leave || step.leave;
        cell = step.cell;
        if (cell == GridCell{}) {
            result.cell = nowhere;
            return result;
        }
        if (cell == start || isTarget(cell) || !sameCounts(grid, cols, rows)) {
            result.cell = cell;
            return result;
        }
    }
}

} // namespace

TraversalStep tabTarget(PhraseGridModel& grid, T_nextcell direction, T_lastcell last,
                        const std::function<bool(int col)>& isTabStop) {
    return walkFromCurrent(
        grid, direction, last, [&](GridCell cell) { return isTabStop(cell.col); }, grid.current());
}

TraversalStep nextEditableCell(PhraseGridModel& grid, T_nextcell direction, T_lastcell last) {
    return walkFromCurrent(
        grid, direction, last,
        [&](GridCell cell) { return grid.effectiveEditable(cell.col, cell.row); }, GridCell{});
}
