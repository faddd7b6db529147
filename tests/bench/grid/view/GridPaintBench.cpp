// Painting one full viewport of a phrase page of 100,000 rows: the target is at most 16 ms
// (the median), one frame at 60 Hz. Runs on the offscreen platform unless another is set.
//
// Painting a cell that holds 50 MB: only what can show in the cell is measured and laid
// out, so a paint costs what a short text does. peak_heap is the heap's peak growth during
// one paint.
//
//   grid_paint_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include "support/bench/HeapCounter.h"

#include "grid/text/GridText.h"
#include "grid/view/PhraseGrid.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

namespace {

constexpr int rows = 100000;

// A text page as the main window shows it: one wrapping column of 50-pixel rows, scrolled
// to the middle, a text in every row. Layouts: 0 as is, 1 the Smileys page (a header row,
// two columns), 2 every row with a height of its own, 3 dense: five columns of 18-pixel rows
// (165 cells in view).
void setUpPage(TPhraseGrid& grid, int layout) {
    PhraseGridModel& model = grid.model();
    model.setFixedCols(0);
    model.setFixedRows(0);
    model.setColCount(layout == 1 ? 2 : layout == 3 ? 5 : 1);
    model.setRowCount(rows);
    model.setDefaultRowHeight(50);
    model.setWordwrap(T_Wordwrap::ww_wordwrap);
    grid.setOptions(kDefaultGridOptions | goColMoving | goEditing | goTabs);
    grid.resize(800, 600);
    if (layout == 1) {
        model.setFixedRows(1);
        model.setRowHeights(0, 30);
        model.setColWidths(0, 65);
        model.setColWidths(1, 700);
        model.setCells(0, 0, "Smiley");
        model.setCells(1, 0, "Name");
    } else if (layout == 3) {
        model.setDefaultColWidth(156);
        model.setDefaultRowHeight(18);
    } else {
        model.setDefaultColWidth(780);
    }
    for (int row = model.FixedRows(); row < rows; ++row) {
        const QByteArray number = QByteArray::number(row);
        model.setCells(model.ColCount() - 1, row,
                       "Spruch " + number +
                           ": wer andern eine Grube gr\xE4"
                           "bt, f\xE4llt "
                           "selbst hinein, und wer zuletzt lacht, lacht am besten");
        if (layout == 1) {
            model.setCells(0, row, ":-)");
        }
        for (int col = 0; layout == 3 && col < 4; ++col) {
            model.setCells(col, row, "Zelle " + QByteArray::number(col) + ':' + number);
        }
        if (layout == 2) {
            model.setRowHeights(row, 40 + row % 20);
        }
    }
    grid.show();
    grid.setTopRow(rows / 2);
    model.setCurrentCell(0, rows / 2 + 2);
}

void BM_PaintViewport(benchmark::State& state) {
    TPhraseGrid grid;
    setUpPage(grid, static_cast<int>(state.range(0)));
    QWidget* viewport = grid.viewport();
    QImage image(viewport->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        viewport->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    const char* const labels[] = {"text page", "Smileys page", "every row its own height", "dense"};
    state.SetLabel(labels[state.range(0)]);
}
BENCHMARK(BM_PaintViewport)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// Loading a phrase file of 100,000 lines into the shown grid of a text page: every new row
// and cell reaches the view.
void BM_LoadIntoShownGrid(benchmark::State& state) {
    QByteArray file;
    for (int row = 0; row < rows; ++row) {
        file += "Spruch " + QByteArray::number(row) + " mit ein paar Worten\t\r\n";
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto grid = std::make_unique<TPhraseGrid>();
        PhraseGridModel& model = grid->model();
        model.setFixedCols(0);
        model.setFixedRows(0);
        model.setColCount(1);
        model.setRowCount(100);
        model.setDefaultColWidth(780);
        model.setDefaultRowHeight(50);
        grid->resize(800, 600);
        grid->show();
        state.ResumeTiming();
        ImportText(model, file, kGridTextSeparator, kWholeGridText);
        grid->viewport()->repaint();
    }
}
BENCHMARK(BM_LoadIntoShownGrid)->Unit(benchmark::kMillisecond);

// One cell of 50 MB on a text page, in each word-wrap setting (0 none, 1 word wrap,
// 2 ellipsis) and either as one line or as many short lines.
void BM_PaintFiftyMegabyteCell(benchmark::State& state) {
    const auto wordwrap = static_cast<T_Wordwrap>(state.range(0));
    const bool lines = state.range(1) != 0;
    QByteArray text;
    text.reserve(50 << 20);
    const QByteArray line = "Ein langer Text, der nicht in eine Zelle passt, und noch mehr.";
    while (text.size() < (50 << 20)) {
        text += line;
        text += lines ? "\r\n" : " ";
    }
    TPhraseGrid grid;
    PhraseGridModel& model = grid.model();
    model.setFixedCols(0);
    model.setFixedRows(0);
    model.setColCount(1);
    model.setRowCount(3);
    model.setDefaultColWidth(400);
    model.setDefaultRowHeight(50);
    model.setWordwrap(wordwrap);
    model.setCells(0, 1, text);
    text.clear();
    grid.resize(420, 200);
    grid.show();
    QWidget* viewport = grid.viewport();
    QImage image(viewport->size(), QImage::Format_ARGB32_Premultiplied);
    std::size_t largest = 0;
    for (auto _ : state) {
        const std::size_t before = HeapCounter::current();
        HeapCounter::resetPeak();
        viewport->render(&image);
        benchmark::DoNotOptimize(image.constBits());
        largest = std::max(largest, HeapCounter::peak() - before);
    }
    state.counters["peak_heap"] = static_cast<double>(largest);
    const char* const modes[] = {"ww_none", "ww_wordwrap", "ww_ellipsis"};
    state.SetLabel(std::string(modes[state.range(0)]) + (lines ? ", short lines" : ", one line"));
}
BENCHMARK(BM_PaintFiftyMegabyteCell)
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
