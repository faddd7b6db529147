#include "GridTextSupport.h"

#include "GridClipboardExchange.h"

#include <gtest/gtest.h>

namespace {

class GridClipboardTest : public ::testing::Test {
protected:
    GridClipboardTest() : grid(gridOf(4, 4, {"K|K|K|K", "K|a|b|c", "K|d|e|f", "K|g|h|i"}, 1, 1)) {}
    std::unique_ptr<PhraseGridModel> grid;
    MemoryClipboard clipboard;
};

} // namespace

TEST_F(GridClipboardTest, CopyPutsTheSelectionInTheFileLayoutEndedByNul) {
    grid->setSelection({2, 1, 3, 3});
    CopyToClipboard(*grid, clipboard);
    EXPECT_EQ(clipboard.held, bytes("b\tc\t\r\ne\tf\t\r\nh\ti\t\r\n\0"));
    EXPECT_EQ(dump(*grid), "K|K|K|K|\nK|a|b|c|\nK|d|e|f|\nK|g|h|i|\n");
}

TEST_F(GridClipboardTest, PasteFillsTheSelectionOnly) {
    clipboard.held = "1\t2\t3\t\r\n4\t5\t6\t\r\n7\t8\t9\t\r\n";
    // A single cell takes the first field of the first line.
    grid->setSelection({2, 2, 2, 2});
    PasteFromClipboard(*grid, clipboard);
    EXPECT_EQ(dump(*grid), "K|K|K|K|\nK|a|b|c|\nK|d|1|f|\nK|g|h|i|\n");

    // More text than the selection, at the grid's edge: no rows or columns are added.
    grid->setSelection({2, 2, 3, 3});
    PasteFromClipboard(*grid, clipboard);
    EXPECT_EQ(dump(*grid), "K|K|K|K|\nK|a|b|c|\nK|d|1|2|\nK|g|4|5|\n");
}

TEST_F(GridClipboardTest, PasteReadsUpToTheFirstNul) {
    clipboard.held = bytes("x\r\n\0y\r\nGarbage");
    grid->setSelection({1, 1, 1, 2});
    PasteFromClipboard(*grid, clipboard);
    EXPECT_EQ(dump(*grid), "K|K|K|K|\nK|x|b|c|\nK|d|e|f|\nK|g|h|i|\n");

    // No text on the clipboard: nothing changes.
    clipboard.held.clear();
    PasteFromClipboard(*grid, clipboard);
    EXPECT_EQ(dump(*grid), "K|K|K|K|\nK|x|b|c|\nK|d|e|f|\nK|g|h|i|\n");
}

TEST_F(GridClipboardTest, CopiedCellsPasteOntoASingleCellAsTheirFirstField) {
    grid->setSelection({1, 1, 2, 3});
    CopyToClipboard(*grid, clipboard);
    EXPECT_EQ(clipboard.held, bytes("a\tb\t\r\nd\te\t\r\ng\th\t\r\n\0"));
    grid->setSelection({3, 3, 3, 3});
    PasteFromClipboard(*grid, clipboard);
    EXPECT_EQ(dump(*grid), "K|K|K|K|\nK|a|b|c|\nK|d|e|f|\nK|g|h|a|\n");
}

TEST_F(GridClipboardTest, CutCopiesAndEmptiesEvenReadOnlyCells) {
    grid->setEditable(false);
    grid->EditCell(2, 2, false);
    grid->setSelection({2, 1, 3, 2});
    CutToClipboard(*grid, clipboard);
    EXPECT_EQ(clipboard.held, bytes("b\tc\t\r\ne\tf\t\r\n\0"));
    EXPECT_EQ(dump(*grid), "K|K|K|K|\nK|a|||\nK|d|||\nK|g|h|i|\n");
}
