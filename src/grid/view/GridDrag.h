#pragma once

#include "grid/model/GridTypes.h"

#include <QPoint>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <optional>

// What a left-button drag on the grid is doing: selecting cells, or moving a column (row)
// by its header cell to where the pointer is; and the scrolling by one line at a time while
// the pointer is beyond the scrolled cells.
class GridDrag {
public:
    enum class Kind : std::uint8_t { None, Selecting, LineMoving };

    // A column or row to move from one index to another.
    struct LineMove {
        GridAxis axis;
        int from;
        int to;
    };

    // scrollStep runs at every tick of the scrolling.
    explicit GridDrag(std::function<void()> scrollStep);

    Kind kind() const { return kind_; }
    bool active() const { return kind_ != Kind::None; }
    // Where the pointer was last seen, in client coordinates.
    QPoint pointer() const { return pointer_; }
    void setPointer(QPoint at) { pointer_ = at; }

    void startSelecting() { kind_ = Kind::Selecting; }
    void startLineMove(GridAxis axis, int from);
    // While a line moves: its axis, where it came from and where it would land.
    GridAxis lineAxis() const { return axis_; }
    int lineFrom() const { return from_; }
    int lineTo() const { return to_; }
    // The moving line would land at target now; true when that changed.
    bool moveLineTo(int target);

    // Scrolls while the pointer is outside the scrolled cells, and stops when it is back.
    void scrollWhileOutside(bool outside);
    // The button was let go: the drag ends, and a line moved to another place gives its
    // move.
    std::optional<LineMove> finish();

private:
    Kind kind_ = Kind::None;
    GridAxis axis_ = GridAxis::Columns;
    int from_ = -1;
    int to_ = -1;
    QPoint pointer_;
    QTimer scrolling_;
};
