// Drives the grid model with arbitrary operations and indices, as malformed form data and a
// careless caller may hand it, and checks the rules the view relies on after each step.
#include "grid/model/PhraseGridModel.h"
#include "support/fuzz/FuzzBytes.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

class Input : public FuzzBytes {
public:
    using FuzzBytes::FuzzBytes;
    // Small indices mostly, any 16- or 32-bit index sometimes.
    int index() {
        switch (byte() % 4) {
        case 0:
            return static_cast<std::int8_t>(byte());
        case 1:
            return byte() | byte() << 8;
        case 2: {
            std::uint32_t bits = 0;
            for (int i = 0; i < 4; ++i) {
                bits = bits << 8 | byte();
            }
            return static_cast<int>(bits);
        }
        default:
            return byte() % 16;
        }
    }
    int count() { return (byte() | byte() << 8) % 4097 - 1; }
};

class Editor : public GridEditorLink {
public:
    bool editorVisible() const override { return visible; }
    GridCell editorCell() const override { return cell; }
    void setEditorCell(GridCell newCell) override { cell = newCell; }
    void HideEditor() override { visible = false; }
    void ShowEditor() override { visible = true; }
    bool visible = false;
    GridCell cell;
};

void checkRules(const PhraseGridModel& grid) {
    check(grid.ColCount() >= 1 && grid.RowCount() >= 1);
    check(grid.FixedCols() >= 0 && grid.FixedCols() < grid.ColCount());
    check(grid.FixedRows() >= 0 && grid.FixedRows() < grid.RowCount());
    const TGridRect s = grid.Selection();
    check(s.Left >= grid.FixedCols() && s.Right < grid.ColCount() && s.Left <= grid.Col() &&
          grid.Col() <= s.Right);
    check(s.Top >= grid.FixedRows() && s.Bottom < grid.RowCount() && s.Top <= grid.Row() &&
          grid.Row() <= s.Bottom);
    for (int c = 0; c < 4; ++c) {
        check(grid.textStore().storedRows(c) <= grid.RowCount());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    auto grid = PhraseGridModel::create();
    Editor editor;
    grid->setEditorLink(&editor);
    std::size_t created = 0;
    while (!in.done()) {
        const int a = in.index();
        const int b = in.index();
        switch (in.byte() % 24) {
        case 0:
            grid->setColCount(in.count());
            break;
        case 1:
            grid->setRowCount(in.count());
            break;
        case 2:
            grid->setFixedCols(a);
            break;
        case 3:
            grid->setFixedRows(a);
            break;
        case 4:
            grid->setCells(a, b, QByteArray(in.byte() % 8, 'x'));
            break;
        case 5:
            grid->InsertRow(a);
            break;
        case 6:
            grid->InsertColumn(a);
            break;
        case 7:
            grid->RemoveRow(a);
            break;
        case 8:
            grid->MoveRow(a, b);
            break;
        case 9:
            grid->MoveColumn(a, b);
            break;
        case 10:
            grid->AlignCell(a, b, static_cast<TMyAlign>(in.byte()));
            ++created;
            break;
        case 11:
            grid->EditCol(a, in.byte() & 1);
            ++created;
            break;
        case 12:
            grid->FixedAlignRow(a, TMyAlign::alCenter);
            ++created;
            break;
        case 13:
            if (TMyFont* font = grid->FontRow(a)) {
                font->setStyle(in.byte());
            }
            ++created;
            break;
        case 14:
            grid->ColorCell(a, b, static_cast<TColor>(a));
            ++created;
            break;
        case 15:
            grid->SelectedColorCol(a, clRed);
            ++created;
            break;
        case 16:
            grid->setHintCell(a, b, "hint");
            break;
        case 17:
            grid->putEntry(static_cast<PropertyLayer>(in.byte() % 5), a, b, grid->newRecord());
            ++created;
            break;
        case 18:
            grid->setCurrentCell(a, b, in.byte() & 1);
            break;
        case 19:
            grid->setSelection({a, b, in.index(), in.index()});
            break;
        case 20:
            grid->setRowHeights(a, b);
            grid->setDefaultColWidth(b);
            break;
        case 21:
            editor.visible = in.byte() & 1;
            editor.cell = {a, b};
            break;
        case 22:
            (void)grid->effectiveAlignment(a, b);
            (void)grid->effectiveEditable(a, b);
            (void)grid->effectiveFont(a, b).Height();
            (void)grid->effectiveSelectedCellColor(a, b);
            (void)grid->HintCell(a, b);
            (void)grid->Cells(a, b);
            break;
        default:
            grid->setup();
            created = 0;
            break;
        }
        checkRules(*grid);
        std::size_t entries = 0;
        for (int layer = 0; layer < 5; ++layer) {
            entries += grid->entryCount(static_cast<PropertyLayer>(layer));
        }
        check(entries <= created);
    }
    return 0;
}
