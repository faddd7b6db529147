#pragma once

#include "grid/model/GridTypes.h"

// What the view of a grid model learns from it. Each call comes after the model has changed;
// every function has a do-nothing default so that an observer takes only what it needs.
class StringGridObserver {
public:
    virtual ~StringGridObserver() = default;

    // The whole grid must be drawn again (a property, layer, font or brush changed).
    virtual void gridRepaint() {}
    // The text or object of one cell changed.
    virtual void gridCellChanged(int /*col*/, int /*row*/) {}
    // ColCount, RowCount, FixedCols or FixedRows changed.
    virtual void gridCountsChanged() {}
    // A default or individual size along the axis changed (column widths or row heights).
    virtual void gridSizesChanged(GridAxis /*axis*/) {}
    // The current cell or the selection changed; the arguments are the values before.
    virtual void gridCurrentChanged(GridCell /*oldCurrent*/, TGridRect /*oldSelection*/) {}
    // The grid's Font changed (the in-place editor takes the current cell's font again).
    virtual void gridFontChanged() {}
    // The grid's form data have been read and applied (its after-loading step ran).
    virtual void gridLoaded() {}
};
