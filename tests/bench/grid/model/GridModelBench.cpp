// Phrase pages hold up to 100,000 rows of one or two columns: filling them and inserting,
// removing and moving rows near the top must stay cheap.
#include "grid/model/PhraseGridModel.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kPageRows = 100000;

std::unique_ptr<PhraseGridModel> fullPage(int columns) {
    auto grid = PhraseGridModel::create();
    grid->setColCount(columns);
    grid->setFixedCols(0);
    grid->setRowCount(kPageRows);
    for (int c = 0; c < columns; ++c) {
        for (int r = 0; r < kPageRows; ++r) {
            grid->setCells(c, r, QByteArray(90, 'x'));
        }
    }
    // Properties on a few rows, as form data and the program give them.
    for (int r = 0; r < kPageRows; r += 100) {
        grid->AlignRow(r, TMyAlign::alCenter);
        grid->setHintCell(0, r, "hint");
    }
    return grid;
}

void BM_FillPage(benchmark::State& state) {
    const int columns = static_cast<int>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(fullPage(columns));
    }
    state.SetItemsProcessed(state.iterations() * kPageRows * columns);
}
BENCHMARK(BM_FillPage)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_InsertAndRemoveTopRow(benchmark::State& state) {
    const auto grid = fullPage(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        grid->InsertRow(1);
        grid->RemoveRow(1);
    }
}
BENCHMARK(BM_InsertAndRemoveTopRow)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_MoveTopRowToTheEnd(benchmark::State& state) {
    const auto grid = fullPage(2);
    for (auto _ : state) {
        grid->MoveRow(1, kPageRows - 1);
    }
}
BENCHMARK(BM_MoveTopRowToTheEnd)->Unit(benchmark::kMicrosecond);

void BM_EffectiveValues(benchmark::State& state) {
    const auto grid = fullPage(2);
    int row = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(grid->effectiveAlignment(1, row));
        benchmark::DoNotOptimize(&grid->effectiveFont(1, row));
        benchmark::DoNotOptimize(grid->effectiveColor(1, row));
        row = (row + 1) % kPageRows;
    }
}
BENCHMARK(BM_EffectiveValues);

} // namespace

BENCHMARK_MAIN();
