// Reads arbitrary bytes as a grid's stored properties, as damaged form data would hand them
// over, into grids of three shapes: the Smileys page's, and a wide and a tall one past the
// 16-bit layer indices. A read must fail with QuipError or succeed; what a grid writes after
// a successful read must read back into a grid of its shape and write the same bytes again.
#include "grid/formdata/PropertyList.h"
#include "grid/model/PhraseGridModel.h"
#include "runtime/QuipError.h"
#include "support/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>

namespace {

struct Shape {
    int cols;
    int rows;
    int fixedRows;
};

std::unique_ptr<PhraseGridModel> gridOf(const Shape& shape) {
    auto grid = PhraseGridModel::create();
    grid->setColCount(shape.cols);
    grid->setRowCount(shape.rows);
    grid->setFixedCols(0);
    grid->setFixedRows(shape.fixedRows);
    return grid;
}

std::size_t storedItems(const PhraseGridModel& grid) {
    std::size_t items = grid.hints().size() + grid.pendingCells().size();
    for (int layer = 0; layer < 5; ++layer) {
        items += grid.entryCount(static_cast<PropertyLayer>(layer));
    }
    return items;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const Shape& shape : {Shape{2, 100, 1}, Shape{70000, 40, 1}, Shape{2, 70000, 0}}) {
        auto grid = gridOf(shape);
        try {
            readPropertyList(*grid, input);
        } catch (const QuipError&) {
            (void)writePropertyList(*grid);
            continue;
        }
        // Every stored item costs at least two bytes of input, whatever its indices.
        check(storedItems(*grid) <= size / 2);
        grid->Loaded();
        const QByteArray written = writePropertyList(*grid);

        auto copy = gridOf(shape);
        readPropertyList(*copy, written);
        copy->Loaded();
        check(writePropertyList(*copy) == written);
    }
    return 0;
}
