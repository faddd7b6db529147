// Phrase files of 1 MB and 10 MB with 100-character cells, read into a grid and written
// from it. Reports bytes per second and, as heap_per_byte, the heap's peak growth during one
// run divided by the file's size.
//
// Then phrase files of awkward shapes, loaded and saved as the program does it, from and to
// disk: n lines of "x" and a last line of n fields (a grid of n by n cells, nearly all
// empty), and two million empty lines. Memory must follow the file, not the grid's shape:
// peak_heap, the heap's peak growth while loading, stays within 4 times the file's size
// plus 64 bytes per row (budget_used at most 1).
//
//   grid_text_bench --benchmark_filter=Shape
#include "support/bench/HeapCounter.h"

#include "grid/model/PhraseGridModel.h"
#include "grid/text/GridText.h"
#include "grid/text/GridTextFile.h"
#include "runtime/FileBytes.h"

#include <QBuffer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>

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

    std::size_t largest() const { return largest_; }

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

// A phrase file of one of the awkward shapes, and the rows it gives.
struct ShapedFile {
    QByteArray bytes;
    qint64 rows = 0;
};

// n > 0: n lines of "x", then one line of n fields; 0: two million empty lines.
ShapedFile shapedFile(std::int64_t n) {
    ShapedFile file;
    if (n == 0) {
        file.rows = 2000000;
        file.bytes.reserve(2 * file.rows);
        for (qint64 row = 0; row < file.rows; ++row) {
            file.bytes += "\r\n";
        }
        return file;
    }
    file.rows = n + 1;
    for (std::int64_t row = 0; row < n; ++row) {
        file.bytes += "x\r\n";
    }
    for (std::int64_t col = 0; col < n; ++col) {
        file.bytes += col + 1 < n ? "x\t" : "x\r\n";
    }
    return file;
}

void shapeLabel(benchmark::State& state, qsizetype fileSize) {
    const std::string n = std::to_string(state.range(0));
    state.SetLabel(state.range(0) == 0
                       ? std::string("2,000,000 empty lines")
                       : n + " x " + n + ", " + std::to_string(fileSize) + " bytes");
}

// LoadFromFile of the shape into a new grid, reading the file included.
void BM_LoadShape(benchmark::State& state) {
    const ShapedFile file = shapedFile(state.range(0));
    const QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("Gitter_1.txt"));
    if (!replaceFileBytes(name, file.bytes)) {
        state.SkipWithError("cannot write the phrase file");
        return;
    }
    PeakHeapGrowth heap;
    for (auto _ : state) {
        state.PauseTiming();
        auto grid = PhraseGridModel::create();
        heap.start();
        state.ResumeTiming();

        LoadFromFile(*grid, name);

        state.PauseTiming();
        heap.stop();
        grid.reset();
        state.ResumeTiming();
    }
    heap.report(state, file.bytes.size());
    const double budget =
        4.0 * static_cast<double>(file.bytes.size()) + 64.0 * static_cast<double>(file.rows);
    state.counters["peak_heap"] = static_cast<double>(heap.largest());
    state.counters["budget_used"] = static_cast<double>(heap.largest()) / budget;
    shapeLabel(state, file.bytes.size());
    if (static_cast<double>(heap.largest()) > budget) {
        state.SkipWithError("the grid takes more memory than the file's budget");
    }
}

// SaveToFile of a grid loaded from the shape: the file holds every cell, RowCount lines of
// ColCount fields, and goes to disk as it is made.
void BM_SaveShape(benchmark::State& state) {
    const ShapedFile file = shapedFile(state.range(0));
    const auto grid = loadedGrid(file.bytes);
    const QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("Gitter_1.txt"));
    // The texts ("x" in n + n cells), a TAB per cell, CR LF per line.
    const qint64 cells = static_cast<qint64>(grid->RowCount()) * grid->ColCount();
    const qint64 expected = 2 * state.range(0) + cells + 2 * grid->RowCount();
    PeakHeapGrowth heap;
    for (auto _ : state) {
        heap.start();
        SaveToFile(*grid, name);
        state.PauseTiming();
        heap.stop();
        state.ResumeTiming();
    }
    if (QFileInfo(name).size() != expected) {
        state.SkipWithError("the saved file is not as long as the layout makes it");
        return;
    }
    state.counters["peak_heap"] = static_cast<double>(heap.largest());
    state.counters["file_bytes"] = static_cast<double>(expected);
    shapeLabel(state, file.bytes.size());
}

void shapes(benchmark::internal::Benchmark* b) {
    for (const int n : {1000, 2000, 5000, 10000, 20000, 0}) {
        b->Arg(n);
    }
    b->ArgName("n")->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_LoadShape)->Apply(shapes);
BENCHMARK(BM_SaveShape)->Apply(shapes)->Iterations(1);

BENCHMARK(BM_ImportText)->Apply(sizes);
BENCHMARK(BM_ImportTextStream)->Apply(sizes);
BENCHMARK(BM_ExportText)->Apply(sizes);

} // namespace

BENCHMARK_MAIN();
