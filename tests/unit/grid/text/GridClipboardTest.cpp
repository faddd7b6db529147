#include "support/grid/GridTextSupport.h"

#include "grid/text/GridClipboardExchange.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* untouched = "K|K|K|K|\nK|a|b|c|\nK|d|e|f|\nK|g|h|i|\n";

std::unique_ptr<PhraseGridModel> lettersGrid() {
    return gridOf(4, 4, {"K|K|K|K", "K|a|b|c", "K|d|e|f", "K|g|h|i"}, 1, 1);
}

} // namespace

TEST(GridClipboard, CopyPutsTheSelectionInTheFileLayoutEndedByNul) {
    const auto grid = lettersGrid();
    MemoryClipboard clipboard;
    grid->setSelection({2, 1, 3, 3});
    CopyToClipboard(*grid, clipboard);
    EXPECT_EQ(clipboard.held, bytes("b\tc\t\r\ne\tf\t\r\nh\ti\t\r\n\0"));
    EXPECT_EQ(dump(*grid), untouched);

    // Pasted onto a single cell, only the first field of the first line arrives.
    grid->setSelection({1, 3, 1, 3});
    PasteFromClipboard(*grid, clipboard);
    EXPECT_EQ(dump(*grid), "K|K|K|K|\nK|a|b|c|\nK|d|e|f|\nK|b|h|i|\n");
}

TEST(GridClipboard, PasteFillsTheSelectionOnlyUpToTheFirstNul) {
    struct Case {
        QByteArray held;
        TGridRect selection;
        const char* grid;
    };
    const QByteArray nine = "1\t2\t3\t\r\n4\t5\t6\t\r\n7\t8\t9\t\r\n";
    const Case cases[] = {
        {nine, {2, 2, 2, 2}, "K|K|K|K|\nK|a|b|c|\nK|d|1|f|\nK|g|h|i|\n"},
        // More text than the selection, at the grid's edge: no rows or columns are added.
        {nine, {2, 2, 3, 3}, "K|K|K|K|\nK|a|b|c|\nK|d|1|2|\nK|g|4|5|\n"},
        {bytes("x\r\n\0y\r\nGarbage"), {1, 1, 1, 2}, "K|K|K|K|\nK|x|b|c|\nK|d|e|f|\nK|g|h|i|\n"},
        {QByteArray(), {1, 1, 3, 3}, untouched},
    };
    for (const Case& c : cases) {
        const auto grid = lettersGrid();
        MemoryClipboard clipboard;
        clipboard.held = c.held;
        grid->setSelection(c.selection);
        PasteFromClipboard(*grid, clipboard);
        EXPECT_EQ(dump(*grid), c.grid) << "clipboard " << c.held.toHex(' ').toStdString();
    }
}

TEST(GridClipboard, CutCopiesAndEmptiesEvenReadOnlyCells) {
    const auto grid = lettersGrid();
    MemoryClipboard clipboard;
    grid->setEditable(false);
    grid->EditCell(2, 2, false);
    grid->setSelection({2, 1, 3, 2});
    CutToClipboard(*grid, clipboard);
    EXPECT_EQ(clipboard.held, bytes("b\tc\t\r\ne\tf\t\r\n\0"));
    EXPECT_EQ(dump(*grid), "K|K|K|K|\nK|a|||\nK|d|||\nK|g|h|i|\n");
}
