#pragma once

#include "grid/model/GridTypes.h"

#include <functional>

class PhraseGridModel;
class StringGridModel;

// Walking the non-fixed cells of a phrase grid line by line, as Tab and the automatic move
// to the next cell after an edit do. A direction names the way of each step and then the way
// taken when a line of cells runs out; past the last cell of the traversal a T_lastcell
// value decides what happens.

// The same walk backwards (nc_rightdown and nc_leftup, nc_downright and nc_upleft, ...).
T_nextcell oppositeDirection(T_nextcell direction);

// Where a traversal in this direction starts: the corner it leaves from.
GridCell firstCellOf(const StringGridModel& grid, T_nextcell direction);

// What one step did besides moving.
struct TraversalStep {
    // The next cell; (-1, -1) past the last cell with lc_stop or lc_exit.
    GridCell cell;
    // lc_exit was reached: the focus is to move on to the next control.
    bool leave = false;
};

// One step from cell. Past the last cell, lc_first goes to firstCellOf(), lc_newcolrow adds
// a row or column with the grid's InsertRow / InsertColumn and goes into it.
TraversalStep nextCellStep(PhraseGridModel& grid, GridCell cell, T_nextcell direction,
                           T_lastcell last);

// Where Tab goes from the current cell: steps until a column that is a tab stop. Coming
// back to the start, or past the last cell with nowhere to go, ends on the start cell. A
// step that added a row or column ends the walk in it, so that one key adds at most one line.
TraversalStep tabTarget(PhraseGridModel& grid, T_nextcell direction, T_lastcell last,
                        const std::function<bool(int col)>& isTabStop);

// The next cell to edit from the current cell: steps until an editable cell, the start cell
// or (-1, -1); a step that added a row or column ends there, editable or not.
TraversalStep nextEditableCell(PhraseGridModel& grid, T_nextcell direction, T_lastcell last);
