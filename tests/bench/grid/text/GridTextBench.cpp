// Phrase files of 1 MB and 10 MB with 100-character cells, read into a grid and written
// from it. Reports bytes per second and, as heap_per_byte, the heap's peak growth during one
// run divided by the file's size.
#include "support/bench/HeapCounter.h"

#include "grid/model/PhraseGridModel.h"
#include "grid/text/GridText.h"

#include <QBuffer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

namespace {

constexpr int kCellLength = 100;

// A phrase file of about the given size: rows of `columns` cells of 100 cp1252 characters.
QByteArray phraseFile(qsizetype size, int columns) {
    QByteArray cell;
    for (int i = 0; i < kCellLength; ++i) {
        cell += static_cast<char>(i % 7 == 0 ? 0xE4 : 'a' + i % 26);
    }
    QByteArray line;
    for (int c = 0; c < columns; ++c) {
        line += cell + '\t';
    }
    line += "\r\n";
    QByteArray file;
    file.reserve(size + line.size());
    while (file.size() < size) {
        file += line;
    }
    return file;
}

// A grid that holds just the file: it starts with one cell and grows as it reads.
std::unique_ptr<PhraseGridModel> loadedGrid(const QByteArray& file) {
    auto grid = PhraseGridModel::create();
    grid->setColCount(1);
    grid->setRowCount(1);
    ImportText(*grid, file, kGridTextSeparator, kWholeGridText);
    return grid;
}

// The largest growth of the heap over the measured stretches of one benchmark.
class PeakHeapGrowth {
public:
    void start() {
        before_ = HeapCounter::current();
        HeapCounter::resetPeak();
    }
    void stop() { largest_ = std::max(largest_, HeapCounter::peak() - before_); }
    void report(benchmark::State& state, qsizetype fileSize) const {
        state.SetBytesProcessed(state.iterations() * fileSize);
        state.counters["heap_per_byte"] =
            static_cast<double>(largest_) / static_cast<double>(fileSize);
    }

private:
    std::size_t before_ = 0;
    std::size_t largest_ = 0;
};

QByteArray benchmarkFile(const benchmark::State& state) {
    return phraseFile(state.range(0) << 20, static_cast<int>(state.range(1)));
}

// Reads the file into a new grid on each run, as loading a phrase file does (bytes) or
// through a stream, which reads them whole first.
template <bool throughStream>
void importText(benchmark::State& state) {
    const QByteArray file = benchmarkFile(state);
    QBuffer stream;
    stream.setData(file);
    stream.open(QIODevice::ReadOnly);
    PeakHeapGrowth heap;
    for (auto _ : state) {
        state.PauseTiming();
        auto grid = PhraseGridModel::create();
        heap.start();
        state.ResumeTiming();

        if constexpr (throughStream) {
            ImportText(*grid, &stream, kGridTextSeparator, kWholeGridText);
        } else {
            ImportText(*grid, file, kGridTextSeparator, kWholeGridText);
        }

        state.PauseTiming();
        heap.stop();
        grid.reset();
        state.ResumeTiming();
    }
    heap.report(state, file.size());
}

void BM_ImportText(benchmark::State& state) {
    importText<false>(state);
}

void BM_ImportTextStream(benchmark::State& state) {
    importText<true>(state);
}

void BM_ExportText(benchmark::State& state) {
    const QByteArray file = benchmarkFile(state);
    const auto grid = loadedGrid(file);
    if (ExportText(*grid, kGridTextSeparator, kWholeGridText)->data() != file) {
        state.SkipWithError("the written text differs from the file read");
        return;
    }
    PeakHeapGrowth heap;
    for (auto _ : state) {
        heap.start();
        auto text = ExportText(*grid, kGridTextSeparator, kWholeGridText);
        benchmark::DoNotOptimize(text->data().data());

        state.PauseTiming();
        heap.stop();
        text.reset();
        state.ResumeTiming();
    }
    heap.report(state, file.size());
}

// Sizes in MB, and cells per row.
void sizes(benchmark::internal::Benchmark* b) {
    for (const int columns : {1, 4}) {
        for (const int megabytes : {1, 10}) {
            b->Args({megabytes, columns});
        }
    }
    b->ArgNames({"MB", "cols"})->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_ImportText)->Apply(sizes);
BENCHMARK(BM_ImportTextStream)->Apply(sizes);
BENCHMARK(BM_ExportText)->Apply(sizes);

} // namespace

BENCHMARK_MAIN();
