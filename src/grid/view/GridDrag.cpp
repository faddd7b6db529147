#include "grid/view/GridDrag.h"

namespace {

// How often a drag beyond the cells scrolls by one line.
constexpr int kAutoScrollIntervalMs = 60;

} // namespace

GridDrag::GridDrag(std::function<void()> scrollStep) {
    scrolling_.setInterval(kAutoScrollIntervalMs);
    QObject::connect(&scrolling_, &QTimer::timeout, &scrolling_, std::move(scrollStep));
}

void GridDrag::startLineMove(GridAxis axis, int from) {
    kind_ = Kind::LineMoving;
    axis_ = axis;
    from_ = from;
    to_ = from;
}

bool GridDrag::moveLineTo(int target) {
    if (target < 0 || target == to_) {
        return false;
    }
    to_ = target;
    return true;
}

void GridDrag::scrollWhileOutside(bool outside) {
    if (outside && !scrolling_.isActive()) {
        scrolling_.start();
    } else if (!outside) {
        scrolling_.stop();
    }
}

std::optional<GridDrag::LineMove> GridDrag::finish() {
    scrolling_.stop();
    const bool moving = kind_ == Kind::LineMoving;
    kind_ = Kind::None;
    if (!moving || to_ < 0 || to_ == from_) {
        return std::nullopt;
    }
    return LineMove{axis_, from_, to_};
}
