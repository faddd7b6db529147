#pragma once

#include "grid/model/ExtentList.h"

#include <cstdint>
#include <optional>

// The layout of the grid along one axis (columns across, rows down), in client pixels: the
// fixed lines from 0 on, then the scrolled lines from `first` on; the non-fixed lines before
// `first` are scrolled away. Each line takes its size plus the grid line that follows it.
//
// Every lookup is a binary search over sums of sizes, so a count of 2^31-1 lines, or long
// runs of lines of size 0, cost no more than a few lines do.
class AxisMetrics {
public:
    AxisMetrics(const ExtentList& sizes, int count, int fixed, int lineWidth, int first,
                int clientExtent);

    int count() const { return count_; }
    int fixed() const { return fixed_; }
    int first() const { return first_; }
    int lineWidth() const { return lineWidth_; }
    int clientExtent() const { return client_; }
    int size(int index) const { return sizes_.size(index); }

    // Pixels taken by the lines from (included) to to (excluded), grid lines included.
    std::int64_t span(int from, int to) const;
    std::int64_t fixedExtent() const { return span(0, fixed_); }

    // The line whose cell, or the grid line after it, holds pixel p; -1 before the first
    // line, after the last one, and for negative p.
    int lineAt(std::int64_t p) const;
    // Where a line starts; nothing for a line that is scrolled away or outside the grid.
    std::optional<std::int64_t> start(int index) const;

    // The lines that show in the client extent, in order: f(index, start, size).
    template <typename F>
    void forEachVisible(F f) const;

    // The largest useful `first`: scrolled that far, the last line just fits.
    int maxFirst() const;
    // The last non-fixed line whose cell ends inside the client extent; first - 1 when none.
    int lastFullyVisible() const;
    // How many lines to scroll by a page: the fully visible scrolled lines, at least 1.
    int pageSize() const;
    // The `first` that keeps index in view: unchanged when it is, else the nearest one that
    // shows all of it (or starts with it when it is larger than the client extent).
    int firstShowing(int index) const;

private:
    // The smallest i in [from, limit) with span(from, i + 1) > offset; limit when none.
    int lineEndingAfter(int from, int limit, std::int64_t offset) const;

    const ExtentList& sizes_;
    int count_;
    int fixed_;
    int lineWidth_;
    int first_;
    int client_;
};

template <typename F>
void AxisMetrics::forEachVisible(F f) const {
    // Fixed lines from 0, then scrolled lines from first_; lineEndingAfter() skips lines of
    // size 0 without visiting them one by one.
    const auto walk = [&](int from, int limit, std::int64_t base) {
        std::int64_t pos = base;
        while (pos < client_) {
            const int index = lineEndingAfter(from, limit, pos - base);
            if (index >= limit) {
                return pos;
            }
            const std::int64_t lineStart = base + span(from, index);
            f(index, lineStart, size(index));
            pos = lineStart + size(index) + lineWidth_;
        }
        return pos;
    };
    const std::int64_t end = walk(0, fixed_, 0);
    if (end < client_) {
        walk(first_, count_, fixedExtent());
    }
}
