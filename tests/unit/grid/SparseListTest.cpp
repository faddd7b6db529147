#include "SparseList.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <random>
#include <vector>

namespace {

// The padded list as the grid's sparse lists are defined: it grows on demand with empty
// slots, and an index at or beyond its end has no entry.
class PaddedList {
public:
    std::optional<int> get(int index) const {
        if (index < 0 || index >= size()) {
            return std::nullopt;
        }
        return slots_[static_cast<std::size_t>(index)];
    }
    void put(int index, std::optional<int> entry) {
        while (size() <= index) {
            slots_.emplace_back();
        }
        slots_[static_cast<std::size_t>(index)] = entry;
    }
    void insertSlot(int index) {
        if (size() >= index) {
            slots_.insert(slots_.begin() + index, std::nullopt);
        }
    }
    void removeSlot(int index) {
        if (size() > index) {
            slots_.erase(slots_.begin() + index);
        }
    }
    void move(int from, int to) {
        while (size() <= from) {
            slots_.emplace_back();
        }
        const std::optional<int> entry = slots_[static_cast<std::size_t>(from)];
        slots_.erase(slots_.begin() + from);
        while (size() < to) {
            slots_.emplace_back();
        }
        slots_.insert(slots_.begin() + to, entry);
    }

private:
    int size() const { return static_cast<int>(slots_.size()); }
    std::vector<std::optional<int>> slots_;
};

std::optional<int> entryAt(const SparseList<int>& list, int index) {
    const int* entry = list.find(index);
    return entry ? std::optional<int>(*entry) : std::nullopt;
}

TEST(SparseList, BehavesLikeThePaddedListUnderRandomOperations) {
    std::mt19937 random(20240517);
    std::uniform_int_distribution<int> op(0, 4);
    std::uniform_int_distribution<int> index(0, 30);
    PaddedList expected;
    SparseList<int> actual;
    for (int step = 0; step < 5000; ++step) {
        const int a = index(random);
        const int b = index(random);
        switch (op(random)) {
        case 0:
            expected.put(a, step);
            actual.put(a, step);
            break;
        case 1:
            expected.put(a, std::nullopt);
            actual.take(a);
            break;
        case 2:
            expected.insertSlot(a);
            actual.insertSlot(a);
            break;
        case 3:
            expected.removeSlot(a);
            actual.removeSlot(a);
            break;
        default:
            expected.move(a, b);
            actual.move(a, b);
            break;
        }
        for (int i = 0; i < 80; ++i) {
            ASSERT_EQ(entryAt(actual, i), expected.get(i)) << "step " << step << " index " << i;
        }
    }
}

TEST(SparseList, MemoryFollowsTheNumberOfEntriesNotTheLargestIndex) {
    SparseList<int> list;
    list.put(65535, 1);
    list.put(INT_MAX, 2);
    EXPECT_EQ(list.size(), 2u);
    EXPECT_EQ(entryAt(list, 65535), 1);
    EXPECT_EQ(entryAt(list, INT_MAX), 2);
    EXPECT_EQ(entryAt(list, 0), std::nullopt);

    list.removeSlot(0);
    EXPECT_EQ(entryAt(list, 65534), 1);
    EXPECT_EQ(entryAt(list, INT_MAX - 1), 2);
    list.move(65534, INT_MAX);
    EXPECT_EQ(entryAt(list, INT_MAX), 1);
    EXPECT_EQ(entryAt(list, INT_MAX - 2), 2);
    EXPECT_EQ(list.size(), 2u);
}

TEST(SparseList, EntryPushedPastTheLargestIndexIsDropped) {
    SparseList<int> list;
    list.put(INT_MAX, 7);
    list.put(INT_MAX - 1, 6);
    list.insertSlot(5);
    EXPECT_EQ(list.size(), 1u);
    EXPECT_EQ(entryAt(list, INT_MAX), 6);
}

} // namespace
