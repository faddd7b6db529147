#include "grid/model/SparseList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <optional>
#include <random>
#include <vector>

namespace {

// The list a sparse list stands for: empty slots up to its last entry, none beyond.
using PaddedList = std::vector<std::optional<int>>;

void padTo(PaddedList& list, int size) {
    list.resize(std::max(list.size(), static_cast<std::size_t>(size)));
}

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
        const int size = static_cast<int>(expected.size());
        switch (op(random)) {
        case 0:
            padTo(expected, a + 1);
            expected[a] = step;
            actual.put(a, step);
            break;
        case 1:
            if (a < size) {
                expected[a].reset();
            }
            actual.take(a);
            break;
        case 2:
            if (a <= size) {
                expected.insert(expected.begin() + a, std::nullopt);
            }
            actual.insertSlot(a);
            break;
        case 3:
            if (a < size) {
                expected.erase(expected.begin() + a);
            }
            actual.removeSlot(a);
            break;
        default: {
            padTo(expected, a + 1);
            const std::optional<int> entry = expected[a];
            expected.erase(expected.begin() + a);
            padTo(expected, b);
            expected.insert(expected.begin() + b, entry);
            actual.move(a, b);
            break;
        }
        }
        for (int i = 0; i < 80; ++i) {
            const std::optional<int> slot =
                i < static_cast<int>(expected.size()) ? expected[i] : std::nullopt;
            ASSERT_EQ(entryAt(actual, i), slot) << "step " << step << " index " << i;
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

    // An entry pushed past the largest index is dropped.
    list.insertSlot(5);
    EXPECT_EQ(list.size(), 1u);
    EXPECT_EQ(entryAt(list, INT_MAX - 1), 2);
}

} // namespace
