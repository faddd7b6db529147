#include "support/grid/GridTextSupport.h"

#include <gtest/gtest.h>

TEST(ExportText, WritesEveryCellWithItsSeparatorAndEveryLineWithCrLf) {
    const auto grid = gridOf(3, 2, {"Kopf|A|", "x||z"}, 1, 1);
    // Fixed cells are written like any other; an empty cell leaves only its separator.
    EXPECT_EQ(exported(*grid), QByteArray("Kopf\tA\t\t\r\nx\t\tz\t\r\n"));
    EXPECT_EQ(ExportText(*grid, ';', kWholeGridText)->data(), QByteArray("Kopf;A;;\r\nx;;z;\r\n"));

    // Texts travel byte for byte.
    QByteArray every;
    for (int b = 1; b < 256; ++b) {
        every += static_cast<char>(b);
    }
    const auto one = gridOf(1, 1);
    one->setCells(0, 0, every);
    EXPECT_EQ(exported(*one), every + "\t\r\n");
}

TEST(ExportText, NormalisesTheRangeEndsFirstThenTheStarts) {
    const auto grid = gridOf(3, 3, {"a|b|c", "d|e|f", "g|h|i"});
    struct Case {
        TGridRect range;
        const char* text;
    };
    const Case cases[] = {
        {{-1, -1, -1, -1}, "a\tb\tc\t\r\nd\te\tf\t\r\ng\th\ti\t\r\n"},
        {{1, 1, 2, 1}, "e\tf\t\r\n"},
        // A reversed end is the last column (row).
        {{1, 2, 0, 1}, "h\ti\t\r\n"},
        // A negative end is the last one even when the start is further left.
        {{-5, -5, -2, -2}, "a\tb\tc\t\r\nd\te\tf\t\r\ng\th\ti\t\r\n"},
        // A negative start becomes 0 after the end was checked against it.
        {{-3, -3, 0, 0}, "a\t\r\n"},
        // Ends beyond the grid are kept: those cells are empty.
        {{2, 2, 3, 3}, "i\t\t\r\n\t\t\r\n"},
        // A start beyond the normalised end writes empty lines.
        {{5, 0, -1, 0}, "\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(exported(*grid, c.range), QByteArray(c.text))
            << c.range.Left << ',' << c.range.Top << ',' << c.range.Right << ',' << c.range.Bottom;
    }
}

TEST(ExportText, WritesAtTheStreamsPositionAndReturnsIt) {
    const auto grid = gridOf(1, 1, {"a"});
    QBuffer stream;
    stream.setData("0123456789");
    ASSERT_TRUE(stream.open(QIODevice::ReadWrite));
    stream.seek(2);
    EXPECT_EQ(&ExportText(*grid, stream, kGridTextSeparator, kWholeGridText), &stream);
    EXPECT_EQ(stream.data(), QByteArray("01a\t\r\n6789"));

    // Without a stream: a new one, open, positioned after the text.
    const auto own = ExportText(*grid, kGridTextSeparator, kWholeGridText);
    EXPECT_TRUE(own->isWritable() && own->isReadable());
    EXPECT_EQ(own->pos(), own->size());
    own->write("b");
    EXPECT_EQ(own->data(), QByteArray("a\t\r\nb"));
}

// Far more than one write's worth, with lines of every length.
TEST(ExportText, LongTextsComeOutWhole) {
    const int rows = 3000;
    const auto grid = gridOf(2, rows);
    QByteArray expected;
    for (int r = 0; r < rows; ++r) {
        const QByteArray text(r % 97, static_cast<char>('A' + r % 26));
        grid->setCells(1, r, text);
        expected += "\t" + text + "\t\r\n";
    }
    EXPECT_EQ(exported(*grid), expected);
}
