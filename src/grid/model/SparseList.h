#pragma once

#include "grid/model/GridTypes.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <map>
#include <utility>
#include <vector>

// Where an entry at index ends up when the entry at from is taken out and put back in at to,
// the entries in between closing up (a list move).
constexpr int movedIndex(int index, int from, int to) {
    if (index == from) {
        return to;
    }
    if (from < to && index > from && index <= to) {
        return index - 1;
    }
    if (from > to && index >= to && index < from) {
        return index + 1;
    }
    return index;
}

// A list of entries by index that behaves like a list padded with empty slots (every index
// not stored is an empty slot), while memory follows the number of stored entries only: an
// entry at index 2^31-1 costs what an entry at 0 does. Inserting and removing a slot shift
// the entries after it; both cost O(k log n) for the k entries that move.
template <typename T>
class SparseList {
public:
    using Map = std::map<int, T>;
    using const_iterator = typename Map::const_iterator;

    // The entry at index, or nullptr when the slot is empty.
    const T* find(int index) const {
        const auto it = entries_.find(index);
        return it == entries_.end() ? nullptr : &it->second;
    }
    T* find(int index) {
        const auto it = entries_.find(index);
        return it == entries_.end() ? nullptr : &it->second;
    }

    // The entry at index, default-constructed if the slot was empty; nullptr for a negative
    // index, which has no slot.
    T* slot(int index) {
        if (index < 0) {
            return nullptr;
        }
        return &entries_[index];
    }

    // Stores entry at index and hands back the entry it replaced (T() for an empty slot).
    // A negative index has no slot: the entry is handed back unstored.
    T put(int index, T entry) {
        if (index < 0) {
            return entry;
        }
        auto [it, inserted] = entries_.try_emplace(index);
        std::swap(it->second, entry);
        return entry;
    }

    // Empties the slot at index and hands back its entry (T() when it was empty).
    T take(int index) {
        auto node = entries_.extract(index);
        return node ? std::move(node.mapped()) : T();
    }

    // An empty slot at index: the entries from index on move one up. An entry that would
    // move past the largest index is dropped.
    void insertSlot(int index) {
        if (index < 0) {
            return;
        }
        entries_.erase(INT_MAX);
        remap(index, INT_MAX, [](int i) { return i + 1; });
    }

    // Drops the slot at index with its entry: the entries after it move one down.
    void removeSlot(int index) {
        if (index < 0) {
            return;
        }
        entries_.erase(index);
        if (index < INT_MAX) {
            remap(index + 1, INT_MAX, [](int i) { return i - 1; });
        }
    }

    // A list move of the slot at from to to.
    void move(int from, int to) {
        if (from == to || from < 0 || to < 0) {
            return;
        }
        auto moved = entries_.extract(from);
        remap(std::min(from, to), std::max(from, to),
              [from, to](int i) { return movedIndex(i, from, to); });
        if (moved) {
            moved.key() = to;
            entries_.insert(std::move(moved));
        }
    }

    // Drops every entry at count or beyond.
    void truncate(int count) { entries_.erase(entries_.lower_bound(count), entries_.end()); }

    void clear() { entries_.clear(); }

    // Number of stored entries.
    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }

    // The stored entries as (index, entry) in ascending index order.
    const_iterator begin() const { return entries_.begin(); }
    const_iterator end() const { return entries_.end(); }

    // Calls f(index, entry) for every stored entry in ascending index order.
    template <typename F>
    void forEach(F f) {
        for (auto& [index, entry] : entries_) {
            f(index, entry);
        }
    }

    // Drops the entries for which dropIt(entry) is true.
    template <typename Pred>
    void eraseIf(Pred dropIt) {
        std::erase_if(entries_, [&](const auto& item) { return dropIt(item.second); });
    }

private:
    // Gives every entry with an index in [lo, hi] the index newIndex(index). The new indices
    // must not collide with entries outside the range.
    template <typename F>
    void remap(int lo, int hi, F newIndex) {
        std::vector<typename Map::node_type> nodes;
        for (auto it = entries_.lower_bound(lo); it != entries_.end() && it->first <= hi;) {
            nodes.push_back(entries_.extract(it++));
        }
        for (auto& node : nodes) {
            node.key() = newIndex(node.key());
            entries_.insert(std::move(node));
        }
    }

    Map entries_;
};

// A two-level sparse list, by column and then by row, such as the cell layer and the hint
// texts. Row operations act on every column's row list; column operations on the column list.
template <typename T>
class SparseTable {
public:
    using Column = SparseList<T>;

    const T* find(int col, int row) const {
        const Column* column = columns_.find(col);
        return column ? column->find(row) : nullptr;
    }
    T* find(int col, int row) {
        Column* column = columns_.find(col);
        return column ? column->find(row) : nullptr;
    }

    // As SparseList::slot; nullptr when either index is negative.
    T* slot(int col, int row) {
        if (col < 0 || row < 0) {
            return nullptr;
        }
        return columns_.slot(col)->slot(row);
    }

    // As SparseList::put.
    T put(int col, int row, T entry) {
        if (col < 0 || row < 0) {
            return entry;
        }
        return columns_.slot(col)->put(row, std::move(entry));
    }

    T take(int col, int row) {
        Column* column = columns_.find(col);
        if (!column) {
            return T();
        }
        T entry = column->take(row);
        dropEmptyColumns();
        return entry;
    }

    // Calls op(list) for the list that the axis acts on: the column list for columns, every
    // column's row list for rows. Columns left empty are dropped afterwards.
    template <typename F>
    void forEachList(GridAxis axis, F op) {
        if (axis == GridAxis::Columns) {
            op(columns_);
            return;
        }
        // Each column keeps its own row list, like the padded lists it stands for.
        columns_.forEach([&op](int, Column& column) { op(column); });
        dropEmptyColumns();
    }

    void insertSlot(GridAxis axis, int index) {
        forEachList(axis, [index](auto& list) { list.insertSlot(index); });
    }
    void removeSlot(GridAxis axis, int index) {
        forEachList(axis, [index](auto& list) { list.removeSlot(index); });
    }
    void move(GridAxis axis, int from, int to) {
        forEachList(axis, [from, to](auto& list) { list.move(from, to); });
    }
    // Empties the slots of one row (in every column) or of one column; nothing moves.
    void eraseLine(GridAxis axis, int index) {
        forEachList(axis, [index](auto& list) { list.take(index); });
    }
    void truncate(GridAxis axis, int count) {
        forEachList(axis, [count](auto& list) { list.truncate(count); });
    }

    void clear() { columns_.clear(); }

    // Number of stored entries in all columns.
    std::size_t size() const {
        std::size_t count = 0;
        for (const auto& [col, column] : columns_) {
            count += column.size();
        }
        return count;
    }
    bool empty() const { return columns_.empty(); }

    // The columns as (column index, row list) in ascending order; a listed column holds at
    // least one entry.
    const SparseList<Column>& columns() const { return columns_; }

private:
    void dropEmptyColumns() {
        columns_.eraseIf([](const Column& column) { return column.empty(); });
    }

    SparseList<Column> columns_;
};
