// The sizes of lines by index: every operation against a plain map of the individual sizes.
#include "grid/model/ExtentList.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <random>

namespace {

// What the sizes are meant to be, the slow and obvious way.
struct PlainSizes {
    int defaultSize;
    std::map<int, int> sizes;

    int size(int index) const {
        const auto it = sizes.find(index);
        return it == sizes.end() ? defaultSize : it->second;
    }
    std::int64_t sumBetween(int from, int to) const {
        std::int64_t sum = to > from ? (std::int64_t{to} - from) * defaultSize : 0;
        for (const auto& [index, size] : sizes) {
            sum += index >= from && index < to ? size - defaultSize : 0;
        }
        return sum;
    }
};

TEST(ExtentList, AgreesWithAPlainMapThroughRandomChanges) {
    std::mt19937 random(7);
    const auto index = [&] {
        // Mostly small indices that collide, some at the far end of the index range.
        const int pick = std::uniform_int_distribution<int>(0, 9)(random);
        return pick == 0 ? INT_MAX - std::uniform_int_distribution<int>(0, 3)(random)
                         : std::uniform_int_distribution<int>(0, 300)(random);
    };
    ExtentList list(24);
    PlainSizes plain{24, {}};
    for (int step = 0; step < 20000; ++step) {
        const int op = std::uniform_int_distribution<int>(0, 99)(random);
        if (op < 70) {
            const int at = index();
            const int size = std::uniform_int_distribution<int>(0, 6)(random) * 10;
            const bool changed = plain.size(at) != size;
            if (size == plain.defaultSize) {
                plain.sizes.erase(at);
            } else {
                plain.sizes[at] = size;
            }
            ASSERT_EQ(list.setSize(at, size), changed);
        } else if (op < 73) {
            const int count = index();
            plain.sizes.erase(plain.sizes.lower_bound(count), plain.sizes.end());
            list.truncate(count);
        } else if (op < 74) {
            const int size = std::uniform_int_distribution<int>(1, 6)(random) * 10;
            ASSERT_EQ(list.setDefaultSize(size), size != plain.defaultSize || !plain.sizes.empty());
            plain = PlainSizes{size, {}};
        } else {
            int from = index();
            int to = index();
            ASSERT_EQ(list.sumBetween(from, to), plain.sumBetween(from, to))
                << from << ".." << to << " after " << step;
            ASSERT_EQ(list.size(from), plain.size(from));
        }
        ASSERT_EQ(list.individualCount(), plain.sizes.size());
    }
    EXPECT_EQ(list.sumBetween(0, INT_MAX), plain.sumBetween(0, INT_MAX));
}

TEST(ExtentList, AHeightForEachOfAMillionRowsSetFromTheLastRowUp) {
    ExtentList list(50);
    for (int row = 999999; row >= 0; --row) {
        list.setSize(row, 40 + row % 20);
    }
    // 50,000 runs of 40 to 59 pixels.
    EXPECT_EQ(list.sumBetween(0, 1000000), std::int64_t{50000} * (20 * 40 + 19 * 20 / 2));
    EXPECT_EQ(list.sumBetween(10, 30), 20 * 40 + (0 + 19) * 20 / 2);
    list.truncate(500000);
    EXPECT_EQ(list.individualCount(), 500000u - 25000u) << "every 20th row has the default";
    EXPECT_EQ(list.size(499999), 40 + 499999 % 20);
    EXPECT_EQ(list.size(500000), 50);
}

} // namespace
