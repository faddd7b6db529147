#include "GridTextSupport.h"

#include <gtest/gtest.h>

TEST(ImportText, SplitsLinesAtCrLfLoneCrAndLoneLf) {
    const auto grid = gridOf(1, 7, {"o0", "o1", "o2", "o3", "o4", "o5", "o6"});
    // LF CR is two line ends with an empty line between; the empty line keeps its row's text.
    imported(*grid, "a\r\nb\rc\nd\n\re");
    EXPECT_EQ(dump(*grid), "a|\nb|\nc|\nd|\no4|\ne|\no6|\n");

    // A final line end makes no extra line; a last line needs none.
    const auto ended = gridOf(1, 1);
    imported(*ended, "a\r\n");
    EXPECT_EQ(dump(*ended), "a|\n");
    imported(*ended, "b\r\nc");
    EXPECT_EQ(dump(*ended), "b|\nc|\n");
    imported(*ended, "d\n\ne\r");
    EXPECT_EQ(dump(*ended), "d|\nc|\ne|\n");
    imported(*ended, "f\r\r");
    EXPECT_EQ(dump(*ended), "f|\nc|\ne|\n");
}

TEST(ImportText, ANulEndsTheText) {
    const auto grid = gridOf(2, 2, {"o|o", "o|o"});
    imported(*grid, bytes("a\tb\0c\r\nd\te\r\n"));
    EXPECT_EQ(dump(*grid), "a|b|\no|o|\n");

    // Nothing before the NUL, or nothing at all: no change.
    imported(*grid, bytes("\0x\ty\r\n"));
    imported(*grid, QByteArray());
    EXPECT_EQ(dump(*grid), "a|b|\no|o|\n");
}

TEST(ImportText, TheTrailingSeparatorMakesNoExtraField) {
    // A hand-typed line without it loads like the written form.
    const auto typed = gridOf(1, 1);
    imported(*typed, "abc\r\n");
    const auto written = gridOf(1, 1);
    imported(*written, "abc\t\r\n");
    EXPECT_EQ(dump(*typed), "abc|\n");
    EXPECT_EQ(dump(*written), "abc|\n");

    // Two separators at the end set a second, empty cell, adding a column if needed.
    const auto two = gridOf(1, 2, {"o", "x"});
    imported(*two, "abc\t\t\r\nd\t\t");
    EXPECT_EQ(two->ColCount(), 2);
    EXPECT_EQ(dump(*two), "abc||\nd||\n");
    const auto kept = gridOf(3, 1, {"o|x|y"});
    imported(*kept, "abc\t\t\r\n");
    EXPECT_EQ(dump(*kept), "abc||y|\n");

    // Two separators inside enclose an empty field; a lone separator sets an empty cell.
    const auto inside = gridOf(3, 2, {"o|o|o", "o|o|o"});
    imported(*inside, "a\t\tb\r\n\t");
    EXPECT_EQ(dump(*inside), "a||b|\n|o|o|\n");

    // Another separator splits there only.
    const auto other = gridOf(2, 1);
    ImportText(*other, "a;b\tc;", ';', wholeGridText);
    EXPECT_EQ(dump(*other), "a|b\tc|\n");
}

TEST(ImportText, GrowsButNeverEmptiesOrShrinksTheGrid) {
    const auto grid = gridOf(3, 4, {"o|o|o", "o|o|o", "o|o|o", "o|o|o"});
    imported(*grid, "a\r\nb\tc\tq\tr\r\n\r\nd\r\ne\r\nf");
    EXPECT_EQ(grid->ColCount(), 4);
    EXPECT_EQ(grid->RowCount(), 6);
    EXPECT_EQ(dump(*grid), "a|o|o||\n"
                           "b|c|q|r|\n"
                           "o|o|o||\n"
                           "d|o|o||\n"
                           "e||||\n"
                           "f||||\n");

    // Fewer lines than rows: the rest is left as it was.
    imported(*grid, "z");
    EXPECT_EQ(grid->RowCount(), 6);
    EXPECT_EQ(dump(*grid).left(10), "z|o|o||\nb|");
}

TEST(ImportText, NormalisesTheRangeStartsFirstThenTheEnds) {
    const QByteArray text("a\tb\tc\r\nd\te\tf\r\ng\th\ti\r\n");
    const char* const old[] = {"o|o|o", "o|o|o", "o|o|o"};
    const auto fresh = [&] { return gridOf(3, 3, {old[0], old[1], old[2]}); };

    // Left and top start, right and bottom stop.
    auto grid = fresh();
    imported(*grid, text, {1, 1, 1, 2});
    EXPECT_EQ(dump(*grid), "o|o|o|\no|a|o|\no|d|o|\n");

    // Negative starts become 0, and then negative ends lie before them: no limits.
    grid = fresh();
    imported(*grid, text, {-3, -3, -1, -1});
    EXPECT_EQ(dump(*grid), "a|b|c|\nd|e|f|\ng|h|i|\n");

    // Reversed ends mean no limit, not the last existing line.
    grid = fresh();
    imported(*grid, text, {2, 1, 1, 0});
    EXPECT_EQ(grid->ColCount(), 5);
    EXPECT_EQ(grid->RowCount(), 4);
    EXPECT_EQ(dump(*grid), "o|o|o|||\no|o|a|b|c|\no|o|d|e|f|\n||g|h|i|\n");
}

TEST(ImportText, ReadsAStreamFromItsBeginning) {
    const auto grid = gridOf(2, 1);
    QBuffer stream;
    stream.setData("a\tb\r\n");
    ASSERT_TRUE(stream.open(QIODevice::ReadOnly));
    stream.seek(stream.size());
    ImportText(*grid, &stream, gridTextSeparator, wholeGridText);
    EXPECT_EQ(dump(*grid), "a|b|\n");

    // No stream, or one that cannot be read: nothing happens.
    QBuffer closed;
    closed.setData("x\r\n");
    ImportText(*grid, &closed, gridTextSeparator, wholeGridText);
    ImportText(*grid, nullptr, gridTextSeparator, wholeGridText);
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

    // A text with a separator comes back as two cells, the later cells one column further
    // right; a text with a line break as two rows, the later rows one further down.
    const auto tab = gridOf(2, 1, {"a\tb|c"});
    imported(*tab, exported(*tab));
    EXPECT_EQ(dump(*tab), "a|b|c|\n");
    const auto lines = gridOf(1, 2, {"a\r\nb", "c"});
    imported(*lines, exported(*lines));
    EXPECT_EQ(dump(*lines), "a|\nb|\nc|\n");
}
