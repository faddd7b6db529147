// What a user sees of the cells: where the text goes, how it wraps or is cut, the colours of
// selected cells, and what a handler of OnDrawCell is handed.
#include "grid/mapping/FontMapping.h"
#include "runtime/Cp1252.h"
#include "support/grid/PhraseGridWindow.h"

#include <QFontMetrics>
#include <QPainter>
#include <gmock/gmock.h>

#include <vector>

namespace {

using T_Wordwrap::ww_ellipsis;
using T_Wordwrap::ww_none;
using T_Wordwrap::ww_wordwrap;
using testing::AllOf;
using testing::Ge;
using testing::Le;

auto between(int low, int high) {
    return AllOf(Ge(low), Le(high));
}

class CellDrawing : public PhraseGridWindow {
protected:
    void SetUp() override {
        PhraseGridWindow::SetUp();
        window->resize(420, 360);
        grid->resize(420, 320);
        other->move(0, 330);
        model().setDefaultColWidth(90);
    }

    QImage snapshot() const { return grid->grab().toImage(); }
    QColor role(QPalette::ColorRole r) const { return QColor(grid->palette().color(r).rgb()); }
    // Inside the cell, clear of the focus rectangle.
    QRect inside(int col, int row) const { return grid->CellRect(col, row).adjusted(1, 1, -1, -1); }
    // What is painted in a cell, relative to the cell's top left corner.
    QRect painted(const QImage& image, int col, int row) const {
        return paintedArea(image, inside(col, row), role(QPalette::Base))
            .translated(-grid->CellRect(col, row).topLeft());
    }
    // The pixels of a cell less its focus-rectangle border, to compare two cells of one size.
    QImage pixels(const QImage& image, int col, int row) const {
        return image.copy(inside(col, row));
    }
    QFontMetrics metrics() { return QFontMetrics(toQFont(model().Font())); }
    // The room a cell leaves right of and below what is painted in it.
    QPoint roomLeft(const QImage& image, int col, int row) const {
        const QRect cell = grid->CellRect(col, row);
        const QRect area = painted(image, col, row);
        return {cell.width() - 1 - area.right(), cell.height() - 1 - area.bottom()};
    }
};

TEST_F(CellDrawing, TextStartsTwoPixelsInFromTheTopAndIsAlignedAcrossTheCell) {
    model().setAlignment(TMyAlign::alDefault);
    model().setRowHeights(3, 44);
    put(1, 2, "Hb");
    put(2, 2, "Hb");
    model().AlignCol(2, TMyAlign::alCenter);
    put(1, 3, "Hb");
    model().AlignCell(1, 3, TMyAlign::alRight);
    const QImage image = snapshot();

    EXPECT_THAT(painted(image, 1, 2).left(), between(2, 4)) << "nothing set anywhere: left";
    EXPECT_THAT(painted(image, 1, 2).top(), between(2, 6));
    EXPECT_THAT(painted(image, 2, 2).left() - roomLeft(image, 2, 2).x(), between(-2, 2))
        << "centred";
    EXPECT_THAT(roomLeft(image, 1, 3).x(), between(2, 4)) << "right";
    EXPECT_LE(painted(image, 1, 3).top(), 6) << "from the top of a tall row, not centred";
}

TEST_F(CellDrawing, LinesBreakAtLineBreaksAndWordsAndAreCutOrEndInAnEllipsis) {
    model().setDefaultRowHeight(48);
    model().setDefaultColWidth(40);
    // Word wrap breaks between words as the text's own line breaks would, and text with line
    // breaks shows on several lines in every mode.
    put(1, 2, "aaa bbb", ww_wordwrap);
    put(2, 2, "aaa\r\nbbb");
    put(1, 3, "ab\r\ncd");
    put(2, 3, "ab\r\ncd", ww_ellipsis);
    put(3, 3, "ab\r\ncd", ww_wordwrap);
    QImage image = snapshot();
    EXPECT_EQ(pixels(image, 1, 2), pixels(image, 2, 2));
    EXPECT_GT(painted(image, 2, 2).height(), metrics().height());
    EXPECT_EQ(pixels(image, 1, 3), pixels(image, 2, 3));
    EXPECT_EQ(pixels(image, 1, 3), pixels(image, 3, 3));

    // Too long for the cell: cut 2 pixels in from its right edge, or ended with an ellipsis.
    const QByteArray text = "Hallo Welt, wie geht es";
    model().setDefaultRowHeight(20);
    model().setDefaultColWidth(90);
    model().setColWidths(3, 40);
    put(1, 2, text, ww_none);
    put(2, 2, text, ww_ellipsis);
    const int inner = grid->CellRect(2, 2).width() - 4;
    const QString elided = metrics().elidedText(QString::fromLatin1(text), Qt::ElideRight, inner);
    ASSERT_TRUE(elided.endsWith(QChar(0x2026)));
    put(2, 3, toCp1252(elided));
    // Lines hidden below the cell: the last line that shows ends in an ellipsis.
    put(1, 4, "eins\r\nzwei\r\ndrei", ww_ellipsis);
    put(2, 4, "eins\x85");
    // Wrapped lines that do not fit are cut at the bottom, 2 pixels in.
    put(3, 2, "aaa bbb ccc ddd eee fff ggg", ww_wordwrap);
    image = snapshot();
    EXPECT_THAT(roomLeft(image, 1, 2).x(), between(2, 4)) << "drawn right up to the cut";
    EXPECT_EQ(pixels(image, 2, 2), pixels(image, 2, 3));
    EXPECT_NE(pixels(image, 1, 2), pixels(image, 2, 2));
    EXPECT_EQ(pixels(image, 1, 4), pixels(image, 2, 4));
    EXPECT_GE(roomLeft(image, 3, 2).y(), 2);
    EXPECT_GT(painted(image, 3, 2).height(), metrics().height() / 2);
}

// A huge text is drawn from the part that can show: the same pixels as a text that differs
// from it only where nothing shows. Which part shows depends on the alignment when a line
// is neither wrapped nor elided.
TEST_F(CellDrawing, AHugeTextLooksAsTheTextThatDiffersOnlyWhereNothingShows) {
    model().setDefaultRowHeight(48);
    model().setDefaultColWidth(120);
    // The short texts overflow the cell but are never cut before drawing: none is longer
    // than the cell is wide in pixels, and they hold one line more than fits.
    const auto filler = [](int length) { return QByteArray(length, 'x'); };
    const int fitting = (48 - 4 - metrics().height()) / metrics().lineSpacing() + 1;
    QByteArray manyLines;
    QByteArray someLines;
    for (int line = 0; line < 20000; ++line) {
        manyLines += "Zeile " + QByteArray::number(line) + "\r\n";
        if (line <= fitting) {
            someLines += "Zeile " + QByteArray::number(line) + "\r\n";
        }
    }
    QByteArray words;
    for (int word = 0; words.size() < 300000; ++word) {
        words += "Wort" + QByteArray::number(word % 10) + ' ';
    }
    struct Case {
        const char* what;
        QByteArray huge;
        QByteArray shown;
        T_Wordwrap wrap;
        TMyAlign alignment;
    };
    const std::vector<Case> cases = {
        {"left", "Anfang" + filler(300000), "Anfang" + filler(60), ww_none, TMyAlign::alLeft},
        {"right", filler(300000) + "Ende", filler(60) + "Ende", ww_none, TMyAlign::alRight},
        {"centre", filler(300000) + "Mitte" + filler(300000), filler(40) + "Mitte" + filler(40),
         ww_none, TMyAlign::alCenter},
        {"ellipsis", "Anfang" + filler(300000) + "\r\nzwei", "Anfang" + filler(60) + "\r\nzwei",
         ww_ellipsis, TMyAlign::alLeft},
        {"hidden lines", manyLines, someLines, ww_ellipsis, TMyAlign::alRight},
        {"lines", manyLines, someLines, ww_none, TMyAlign::alLeft},
        {"wrapped", words, words.first(100), ww_wordwrap, TMyAlign::alCenter},
    };
    for (const Case& c : cases) {
        put(1, 2, c.huge, c.wrap);
        put(2, 2, c.shown, c.wrap);
        model().AlignCell(1, 2, c.alignment);
        model().AlignCell(2, 2, c.alignment);
        const QImage image = snapshot();
        EXPECT_EQ(pixels(image, 1, 2), pixels(image, 2, 2)) << c.what;
        EXPECT_FALSE(painted(image, 2, 2).isEmpty()) << c.what;
    }
}

TEST_F(CellDrawing, AnAmpersandIsDrawnAsItselfAndUnderlinesNothing) {
    put(1, 2, "a&b");
    put(2, 2, "ab");
    const QImage image = snapshot();
    const QRect withAmpersand = painted(image, 1, 2);
    const QRect without = painted(image, 2, 2);
    EXPECT_GE(withAmpersand.width(), without.width() + metrics().horizontalAdvance('&') - 2);
    EXPECT_EQ(withAmpersand.bottom(), without.bottom()) << "no underline below the b";
}

TEST_F(CellDrawing, SelectionColoursFollowDrawSelectionTheFocusedCellRuleAndBrushStyles) {
    model().setSelection({1, 2, 2, 3});
    const QColor highlight = role(QPalette::Highlight);
    const QColor base = role(QPalette::Base);
    const auto colourAt = [&](const QImage& image, int col, int row) {
        return image.pixelColor(grid->CellRect(col, row).bottomRight() - QPoint(3, 3));
    };
    QImage image = snapshot();
    EXPECT_EQ(colourAt(image, 1, 2), highlight);
    EXPECT_EQ(colourAt(image, 2, 3), base) << "the focused cell keeps its colours";

    grid->setOptions(grid->Options() | goDrawFocusSelected);
    model().SelectedColorRow(2, clLime);
    model().ColorCell(2, 2, clYellow);
    model().BrushCell(2, 2)->setStyle(TBrushStyle::bsClear);
    model().ColorCell(2, 4, clRed);
    model().ColorCell(3, 4, clRed);
    model().BrushCell(3, 4)->setStyle(TBrushStyle::bsCross);
    image = snapshot();
    EXPECT_EQ(colourAt(image, 2, 3), highlight) << "goDrawFocusSelected";
    EXPECT_EQ(colourAt(image, 1, 2), QColor(Qt::green)) << "the row's selected brush";
    EXPECT_EQ(colourAt(image, 2, 2), QColor(Qt::green)) << "whatever its own brush";
    EXPECT_EQ(pixelsUnlike(image, inside(2, 4), Qt::red), 0) << "solid";
    const QRect hatched = inside(3, 4).intersected(grid->viewport()->rect());
    EXPECT_THAT(pixelsUnlike(image, hatched, Qt::red),
                AllOf(Ge(1), Le(hatched.width() * hatched.height() - 1)))
        << "red hatch lines";

    grid->setDrawSelection(false);
    image = snapshot();
    EXPECT_EQ(colourAt(image, 1, 2), base) << "selected cells look like the others";
    EXPECT_EQ(colourAt(image, 1, 3), base);
    EXPECT_NE(colourAt(image, 2, 2), QColor(Qt::yellow)) << "a clear brush fills nothing";
}

struct DrawCall {
    GridCell cell;
    QRect cellRect;
    QRect rect;
    TGridDrawState state;
    int fontPixels = 0;
    QColor brush;
    QColor pen;
};

class DrawHandler : public CellDrawing {
protected:
    void SetUp() override {
        CellDrawing::SetUp();
        grid->OnDrawCell = [this](QObject* sender, int col, int row, const QRect& rect,
                                  TGridDrawState state) {
            EXPECT_EQ(sender, grid);
            QPainter* canvas = grid->Canvas();
            calls.push_back({{col, row},
                             grid->CellRect(col, row),
                             rect,
                             state,
                             canvas->font().pixelSize(),
                             canvas->brush().color(),
                             canvas->pen().color()});
        };
    }

    DrawCall callFor(int col, int row) {
        calls.clear();
        snapshot();
        for (const DrawCall& call : calls) {
            if (call.cell == GridCell{col, row}) {
                return call;
            }
        }
        ADD_FAILURE() << "cell not drawn";
        return {};
    }

    std::vector<DrawCall> calls;
};

TEST_F(DrawHandler, WithoutDefaultDrawingTheHandlerFindsTheCanvasPreparedAndNothingDrawn) {
    model().ColorCell(2, 2, clYellow);
    model().FontCell(2, 2)->setHeight(-17);
    model().FontCell(2, 2)->setColor(clBlue);
    put(2, 2, "WWW");
    model().setSelection({1, 3, 2, 4});
    grid->setDefaultDrawing(false);

    const DrawCall plain = callFor(2, 2);
    EXPECT_EQ(plain.rect, plain.cellRect) << "the rectangle as it came";
    EXPECT_EQ(plain.fontPixels, 17);
    EXPECT_EQ(plain.brush, QColor(Qt::yellow));
    EXPECT_EQ(plain.pen, QColor(Qt::blue));
    const DrawCall selected = callFor(1, 3);
    EXPECT_TRUE(selected.state.testFlag(gdSelected));
    EXPECT_EQ(selected.brush, grid->palette().color(QPalette::Highlight));
    EXPECT_EQ(selected.pen, QColor(Qt::white));
    EXPECT_EQ(pixelsUnlike(snapshot(), inside(2, 2), role(QPalette::Base)), 0)
        << "no fill and no text";
}

TEST_F(DrawHandler, TheTextRectangleIsInsetAndReachesIntoGridLinesThatAreNotDrawn) {
    grid->setGridLineWidth(3);
    // {options, cell, how far the right and bottom edges reach past the 2-pixel inset}
    const struct {
        TGridOptions options;
        GridCell cell;
        QPoint reach;
    } rows[] = {
        {kDefaultGridOptions, {2, 2}, {0, 0}},
        {kDefaultGridOptions & ~TGridOptions(goVertLine), {2, 2}, {0, 3}},
        {kDefaultGridOptions & ~TGridOptions(goHorzLine), {2, 2}, {3, 0}},
        {kDefaultGridOptions & ~TGridOptions(goFixedVertLine), {2, 0}, {0, 3}},
        {kDefaultGridOptions & ~TGridOptions(goFixedVertLine), {2, 2}, {0, 0}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.options.toInt() << " at " << row.cell.row);
        grid->setOptions(row.options);
        const DrawCall call = callFor(row.cell.col, row.cell.row);
        EXPECT_EQ(call.rect, call.cellRect.adjusted(2, 2, row.reach.x() - 2, row.reach.y() - 2));
        EXPECT_EQ(call.state.testFlag(gdFixed), row.cell.row == 0);
    }
}

TEST_F(CellDrawing, FixedCellsKeepTheFixedFontWhenTheWindowsFontChanges) {
    QFont large(QStringLiteral("DejaVu Sans"));
    large.setPixelSize(22);
    window->setFont(large);
    model().setDefaultRowHeight(40);
    put(2, 0, "Hb");
    put(2, 2, "Hb");
    const QImage image = snapshot();
    EXPECT_GT(painted(image, 2, 0).height(), 0);
    EXPECT_GT(painted(image, 2, 2).height(), painted(image, 2, 0).height() + 5);
}

// Counts the paints of a widget.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return QObject::eventFilter(watched, event);
    }
};

TEST_F(CellDrawing, ChangesOfLayerFontsAndBrushesAndOfTheFixedOnesRepaint) {
    PaintCounter counter;
    grid->viewport()->installEventFilter(&counter);
    TMyFont* font = model().FontCell(2, 2);
    TMyBrush* brush = model().BrushCol(3);
    settle();
    const auto repaintsAfter = [&](const auto& change) {
        counter.paints = 0;
        change();
        settle();
        return counter.paints;
    };
    EXPECT_GT(repaintsAfter([&] { font->setColor(clRed); }), 0);
    EXPECT_GT(repaintsAfter([&] { brush->setStyle(TBrushStyle::bsCross); }), 0);
    EXPECT_GT(repaintsAfter([&] { model().fixedFont().setHeight(-15); }), 0);
    EXPECT_GT(repaintsAfter([&] { model().fixedBrush().setColor(clRed); }), 0);
    EXPECT_EQ(repaintsAfter([&] { font->setColor(clRed); }), 0) << "no change, no paint";
}

} // namespace
