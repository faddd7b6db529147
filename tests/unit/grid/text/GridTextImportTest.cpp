#include "support/grid/GridTextSupport.h"

#include <gtest/gtest.h>

namespace {

// "o" in every cell, so that cells no field reaches show.
std::unique_ptr<PhraseGridModel> gridOfOs(int cols, int rows) {
    auto grid = gridOf(cols, rows);
    for (int c = 0; c < cols; ++c) {
        for (int r = 0; r < rows; ++r) {
            grid->setCells(c, r, "o");
        }
    }
    return grid;
}

} // namespace

TEST(ImportText, SplitsLinesAndFieldsAndOnlyEverGrowsTheGrid) {
    struct Case {
        int cols;
        int rows;
        QByteArray text;
        const char* grid;
    };
    const Case cases[] = {
        // LF CR is two line ends; the empty line between keeps its row's text.
        {1, 7, "a\r\nb\rc\nd\n\re", "a|\nb|\nc|\nd|\no|\ne|\no|\n"},
        // A final line end makes no extra line; a last line needs none.
        {1, 1, "a\r\n", "a|\n"},
        {1, 1, "b\r\nc", "b|\nc|\n"},
        // An empty line still adds a row to a full grid.
        {1, 1, "d\n\ne\r", "d|\n|\ne|\n"},
        {1, 1, "f\r\r", "f|\n|\n"},
        // A NUL ends the text; nothing before it, or no text at all, changes nothing.
        {2, 2, bytes("a\tb\0c\r\nd\te\r\n"), "a|b|\no|o|\n"},
        {2, 2, bytes("\0x\ty\r\n"), "o|o|\no|o|\n"},
        {2, 2, "", "o|o|\no|o|\n"},
        // The trailing separator makes no extra field: a hand-typed line loads alike.
        {1, 1, "abc\r\n", "abc|\n"},
        {1, 1, "abc\t\r\n", "abc|\n"},
        // Two at the end set a second, empty cell, adding a column if needed.
        {1, 2, "abc\t\t\r\nd\t\t", "abc||\nd||\n"},
        {3, 1, "abc\t\t\r\n", "abc||o|\n"},
        // Two inside enclose an empty field; a lone separator sets an empty cell.
        {3, 2, "a\t\tb\r\n\t", "a||b|\n|o|o|\n"},
        {3, 4, "a\r\nb\tc\tq\tr\r\n\r\nd\r\ne\r\nf",
         "a|o|o||\nb|c|q|r|\no|o|o||\nd|o|o||\ne||||\nf||||\n"},
        // Fewer lines than rows: the rest is left as it was.
        {3, 2, "z", "z|o|o|\no|o|o|\n"},
    };
    for (const Case& c : cases) {
        const auto grid = gridOfOs(c.cols, c.rows);
        imported(*grid, c.text);
        EXPECT_EQ(dump(*grid), c.grid) << "text " << c.text.toHex(' ').toStdString();
    }

    // Another separator splits there only.
    const auto other = gridOf(2, 1);
    ImportText(*other, "a;b\tc;", ';', kWholeGridText);
    EXPECT_EQ(dump(*other), "a|b\tc|\n");
}

TEST(ImportText, NormalisesTheRangeStartsFirstThenTheEnds) {
    struct Case {
        TGridRect range;
        const char* grid;
    };
    const Case cases[] = {
        // Left and top start, right and bottom stop.
        {{1, 1, 1, 2}, "o|o|o|\no|a|o|\no|d|o|\n"},
        // Negative starts become 0, and then negative ends lie before them: no limits.
        {{-3, -3, -1, -1}, "a|b|c|\nd|e|f|\ng|h|i|\n"},
        // Reversed ends mean no limit, not the last existing line.
        {{2, 1, 1, 0}, "o|o|o|||\no|o|a|b|c|\no|o|d|e|f|\n||g|h|i|\n"},
    };
    for (const Case& c : cases) {
        const auto grid = gridOfOs(3, 3);
        imported(*grid, "a\tb\tc\r\nd\te\tf\r\ng\th\ti\r\n", c.range);
        EXPECT_EQ(dump(*grid), c.grid)
            << c.range.Left << ',' << c.range.Top << ',' << c.range.Right << ',' << c.range.Bottom;
    }
}

TEST(ImportText, ReadsAStreamFromItsBeginning) {
    const auto grid = gridOf(2, 1);
    QBuffer stream;
    stream.setData("a\tb\r\n");
    ASSERT_TRUE(stream.open(QIODevice::ReadOnly));
    stream.seek(stream.size());
    ImportText(*grid, &stream, kGridTextSeparator, kWholeGridText);
    EXPECT_EQ(dump(*grid), "a|b|\n");

    // No stream, or one that cannot be read: nothing happens.
    QBuffer closed;
    closed.setData("x\r\n");
    ImportText(*grid, &closed, kGridTextSeparator, kWholeGridText);
    ImportText(*grid, nullptr, kGridTextSeparator, kWholeGridText);
    EXPECT_EQ(dump(*grid), "a|b|\n");
}

TEST(ImportText, WhatExportWritesComesBack) {
    // Cells without separators or line ends come back as they were, fixed ones included.
    QByteArray high;
    for (int b = 0x80; b < 0x100; ++b) {
        high += static_cast<char>(b);
    }
    const auto source = gridOf(3, 3, {"Kopf||", "", "x|y|"}, 1, 1);
    source->setCells(2, 1, high);
    const auto target = gridOf(3, 3, {"1|2|3", "4|5|6", "7|8|9"}, 1, 1);
    imported(*target, exported(*source));
    EXPECT_EQ(dump(*target), dump(*source));

    // A separator in a text splits it into two cells, a line break into two rows; later cells
    // move along.
    const auto tab = gridOf(2, 1, {"a\tb|c"});
    imported(*tab, exported(*tab));
    EXPECT_EQ(dump(*tab), "a|b|c|\n");
    const auto lines = gridOf(1, 2, {"a\r\nb", "c"});
    imported(*lines, exported(*lines));
    EXPECT_EQ(dump(*lines), "a|\nb|\nc|\n");
}
