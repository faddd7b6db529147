#include "grid/view/AxisMetrics.h"

#include <algorithm>

AxisMetrics::AxisMetrics(const ExtentList& sizes, int count, int fixed, int lineWidth, int first,
                         int clientExtent)
    : sizes_(sizes), count_(count), fixed_(fixed), lineWidth_(std::max(lineWidth, 0)),
      first_(first), client_(clientExtent) {}

std::int64_t AxisMetrics::span(int from, int to) const {
    if (to <= from) {
        return 0;
    }
    return sizes_.sumBetween(from, to) + static_cast<std::int64_t>(to - from) * lineWidth_;
}

int AxisMetrics::lineEndingAfter(int from, int limit, std::int64_t offset) const {
    int low = from;
    int high = limit;
    while (low < high) {
        const int mid = low + (high - low) / 2;
        if (span(from, mid + 1) > offset) {
            high = mid;
        } else {
            low = mid + 1;
        }
    }
    return low;
}

int AxisMetrics::lineAt(std::int64_t p) const {
    if (p < 0) {
        return -1;
    }
    const std::int64_t fixedEnd = fixedExtent();
    const int index = p < fixedEnd ? lineEndingAfter(0, fixed_, p)
                                   : lineEndingAfter(first_, count_, p - fixedEnd);
    return index < count_ ? index : -1;
}

std::optional<std::int64_t> AxisMetrics::start(int index) const {
    if (index < 0 || index >= count_) {
        return std::nullopt;
    }
    if (index < fixed_) {
        return span(0, index);
    }
    if (index < first_) {
        return std::nullopt;
    }
    return fixedExtent() + span(first_, index);
}

int AxisMetrics::maxFirst() const {
    // span(s, count) shrinks as s grows: find the smallest s whose lines fit.
    const std::int64_t room = client_ - fixedExtent();
    int low = fixed_;
    int high = std::max(count_ - 1, fixed_);
    while (low < high) {
        const int mid = low + (high - low) / 2;
        if (span(mid, count_) <= room) {
            high = mid;
        } else {
            low = mid + 1;
        }
    }
    return low;
}

int AxisMetrics::lastFullyVisible() const {
    // The largest i with its cell ending inside: span(first, i + 1) - lineWidth grows with i.
    const std::int64_t room = client_ - fixedExtent();
    int low = first_ - 1;
    int high = count_ - 1;
    while (low < high) {
        const int mid = high - (high - low) / 2;
        if (span(first_, mid + 1) - lineWidth_ <= room) {
            low = mid;
        } else {
            high = mid - 1;
        }
    }
    return low;
}

int AxisMetrics::pageSize() const {
    return std::max(lastFullyVisible() - first_ + 1, 1);
}

int AxisMetrics::firstShowing(int index) const {
    if (index < fixed_ || index >= count_) {
        return first_;
    }
    if (index < first_) {
        return index;
    }
    if (index <= lastFullyVisible()) {
        return first_;
    }
    // The smallest s (at most index) that shows line index whole.
    const std::int64_t room = client_ - fixedExtent();
    int low = first_;
    int high = index;
    while (low < high) {
        const int mid = low + (high - low) / 2;
        if (span(mid, index + 1) - lineWidth_ <= room) {
            high = mid;
        } else {
            low = mid + 1;
        }
    }
    return low;
}
