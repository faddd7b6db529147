// Drives the sizes by index against a plain map, and walks a grid of arbitrary shape with
// arbitrary directions and rules, checking that every walk ends on a cell of the grid.
#include "grid/model/CellTraversal.h"
#include "grid/model/ExtentList.h"
#include "grid/model/PhraseGridModel.h"
#include "support/fuzz/FuzzBytes.h"

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>

namespace {

class Input : public FuzzBytes {
public:
    using FuzzBytes::FuzzBytes;
    // Small indices that collide, and now and then one at either end of the index range.
    int index() {
        const std::uint8_t b = byte();
        switch (b % 8) {
        case 0:
            return INT_MAX - byte() % 4;
        case 1:
            return -static_cast<int>(byte() % 4);
        default:
            return byte() % 64;
        }
    }
};

std::int64_t plainSum(const std::map<int, int>& sizes, int defaultSize, int from, int to) {
    std::int64_t sum = to > from ? (std::int64_t{to} - from) * defaultSize : 0;
    for (const auto& [index, size] : sizes) {
        sum += index >= from && index < to ? std::int64_t{size} - defaultSize : 0;
    }
    return sum;
}

void fuzzSizes(Input& input) {
    int defaultSize = 24;
    ExtentList list(defaultSize);
    std::map<int, int> plain;
    for (int step = 0; step < 64 && !input.done(); ++step) {
        const int a = input.index();
        const int b = input.index();
        switch (input.byte() % 4) {
        case 0:
            list.setSize(a, b);
            if (b == defaultSize) {
                plain.erase(a);
            } else {
                plain[a] = b;
            }
            break;
        case 1:
            list.truncate(a);
            plain.erase(plain.lower_bound(a), plain.end());
            break;
        case 2:
            list.setDefaultSize(b);
            defaultSize = b;
            plain.clear();
            break;
        default:
            check(list.sumBetween(a, b) == plainSum(plain, defaultSize, a, b));
            break;
        }
        check(list.individualCount() == plain.size());
    }
}

bool inside(const PhraseGridModel& grid, GridCell cell) {
    return cell.col >= grid.FixedCols() && cell.col < grid.ColCount() &&
           cell.row >= grid.FixedRows() && cell.row < grid.RowCount();
}

void fuzzWalks(Input& input) {
    auto grid = PhraseGridModel::create();
    // Small grids: whole walks may visit every cell.
    grid->setColCount(1 + input.byte() % 6);
    grid->setRowCount(1 + input.byte() % 6);
    grid->setFixedCols(input.byte() % 3);
    grid->setFixedRows(input.byte() % 3);
    const std::uint8_t stops = input.byte();
    const auto isTabStop = [stops](int col) { return col < 8 && (stops >> col & 1) != 0; };
    for (int step = 0; step < 32 && !input.done(); ++step) {
        grid->setCurrentCell(input.byte() % 8, input.byte() % 8);
        grid->EditCell(input.byte() % 8, input.byte() % 8, (input.byte() & 1) != 0);
        const auto direction = static_cast<T_nextcell>(input.byte() % 8);
        const auto last = static_cast<T_lastcell>(input.byte() % 4);
        const int cols = grid->ColCount();
        const int rows = grid->RowCount();
        TraversalStep result;
        switch (input.byte() % 3) {
        case 0:
            result = nextCellStep(*grid, grid->current(), direction, last);
            break;
        case 1:
            result = tabTarget(*grid, direction, last, isTabStop);
            check(inside(*grid, result.cell));
            break;
        default:
            result = nextEditableCell(*grid, direction, last);
            break;
        }
        check(result.cell == GridCell{} || inside(*grid, result.cell));
        check(!result.leave || last == T_lastcell::lc_exit);
        // One walk adds one line at the most.
        check(grid->ColCount() + grid->RowCount() <= cols + rows + 1);
        if (grid->ColCount() > 12 || grid->RowCount() > 12) {
            return;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input input(data, size);
    if (input.byte() % 2 == 0) {
        fuzzSizes(input);
    } else {
        fuzzWalks(input);
    }
    return 0;
}
