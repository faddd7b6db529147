#pragma once

#include <cstddef>
#include <cstdint>
#include <map>

// The sizes of the rows (or columns) of a grid by index: a default size and the individual
// sizes that differ from it. Memory follows the number of individual sizes.
class ExtentList {
public:
    explicit ExtentList(int defaultSize) : default_(defaultSize) {}

    int defaultSize() const { return default_; }
    // Every line takes the new default: individual sizes are dropped. Reports whether
    // anything changed.
    bool setDefaultSize(int size);

    int size(int index) const;
    // Reports whether the size changed.
    bool setSize(int index, int size);

    // Drops the individual sizes at count and beyond.
    void truncate(int count);

    // The sum of the sizes of the lines from (included) to to (excluded).
    std::int64_t sumBetween(int from, int to) const;

    std::size_t individualCount() const { return sizes_.size(); }

private:
    int default_;
    std::map<int, int> sizes_;
};
