#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

// The sizes of the rows (or columns) of a grid by index: a default size and the individual
// sizes that differ from it. Memory follows the number of individual sizes, and every
// operation, sums over any range included, takes time logarithmic in that number (the view
// sums sizes for every line it lays out, and a grid may give each of 100,000 rows a height
// of its own).
class ExtentList {
public:
    explicit ExtentList(int defaultSize);
    ~ExtentList();
    ExtentList(ExtentList&&) noexcept;
    ExtentList& operator=(ExtentList&&) noexcept;
    ExtentList(const ExtentList&) = delete;
    ExtentList& operator=(const ExtentList&) = delete;

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

    std::size_t individualCount() const;

private:
    // A search tree of the individual sizes by index (a treap: ordered by index, heaped by a
    // random priority), each node knowing the sum of the differences from the default size
    // and the number of sizes below it.
    struct Node;
    using Tree = std::unique_ptr<Node>;

    static void update(Node& node);
    // Splits tree into the indices below index and those from index on.
    static void split(Tree tree, int index, Tree& below, Tree& rest);
    // Joins two trees whose indices are all below (left) and above (right) each other.
    static Tree merge(Tree left, Tree right);
    // The sum of the differences from the default size of the indices below index.
    std::int64_t deltaBelow(int index) const;
    const Node* find(int index) const;
    std::uint32_t nextPriority();

    int default_;
    Tree root_;
    std::uint32_t random_ = 0x9E3779B9u;
};
