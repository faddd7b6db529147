// What a user sees of the cells: where the text goes, how it wraps or is cut, the colours of
// selected cells, and what a handler of OnDrawCell is handed.
#include "Cp1252.h"
#include "FontMapping.h"
#include "PhraseGridWindow.h"

#include <QFontMetrics>
#include <QPainter>

#include <vector>

namespace {

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
    QRect painted(const QImage& image, int col, int row) const {
        return paintedArea(image, inside(col, row), role(QPalette::Base));
    }
    // The pixels of a cell less its focus-rectangle border, to compare two cells of one size.
    QImage pixels(const QImage& image, int col, int row) const {
        return image.copy(inside(col, row));
    }
    QFontMetrics metrics() { return QFontMetrics(toQFont(model().Font())); }
};

TEST_F(CellDrawing, TextStartsTwoPixelsInFromTheTopAndIsAlignedAcrossTheCell) {
    model().setAlignment(TMyAlign::alDefault);
    model().setRowHeights(3, 44);
    model().setCells(1, 2, "Hb");
    model().setCells(2, 2, "Hb");
    model().AlignCol(2, TMyAlign::alCenter);
    model().setCells(1, 3, "Hb");
    model().AlignCell(1, 3, TMyAlign::alRight);
    const QImage image = snapshot();

    const QRect left = painted(image, 1, 2);
    const QRect cell = grid->CellRect(1, 2);
    EXPECT_GE(left.left(), cell.left() + 2) << "nothing set anywhere: left";
    EXPECT_LE(left.left(), cell.left() + 4);
    EXPECT_GE(left.top(), cell.top() + 2);
    EXPECT_LE(left.top(), cell.top() + 6);

    const QRect centred = painted(image, 2, 2);
    const QRect column = grid->CellRect(2, 2);
    EXPECT_LE(std::abs((centred.left() - column.left()) - (column.right() - centred.right())), 2);

    const QRect right = painted(image, 1, 3);
    const QRect tall = grid->CellRect(1, 3);
    EXPECT_LE(right.right(), tall.right() - 2);
    EXPECT_GE(right.right(), tall.right() - 4);
    EXPECT_LE(right.top(), tall.top() + 6) << "from the top of a tall row, not centred";
}

TEST_F(CellDrawing, LinesBreakAtLineBreaksAndWordsAndAreCutOrEndInAnEllipsis) {
    model().setDefaultRowHeight(48);
    model().setColWidths(1, 40);
    model().setColWidths(2, 40);
    model().setColWidths(3, 40);
    // Word wrap breaks between words as the text's own line breaks would.
    model().setCells(1, 2, "aaa bbb");
    wrapCell(1, 2, T_Wordwrap::ww_wordwrap);
    model().setCells(2, 2, "aaa\r\nbbb");
    // Text with line breaks shows on several lines in every mode.
    model().setCells(1, 3, "ab\r\ncd");
    model().setCells(2, 3, "ab\r\ncd");
    wrapCell(2, 3, T_Wordwrap::ww_ellipsis);
    model().setCells(3, 3, "ab\r\ncd");
    wrapCell(3, 3, T_Wordwrap::ww_wordwrap);
    QImage image = snapshot();
    EXPECT_EQ(pixels(image, 1, 2), pixels(image, 2, 2));
    EXPECT_GT(painted(image, 2, 2).height(), metrics().height());
    EXPECT_EQ(pixels(image, 1, 3), pixels(image, 2, 3));
    EXPECT_EQ(pixels(image, 1, 3), pixels(image, 3, 3));
    EXPECT_GT(painted(image, 1, 3).height(), metrics().height());

    // Too long for the cell: cut 2 pixels in from its right edge, or ended with an ellipsis.
    const QByteArray text = "Hallo Welt, wie geht es";
    model().setDefaultColWidth(90);
    model().setDefaultRowHeight(20);
    model().setCells(1, 2, text);
    wrapCell(1, 2, T_Wordwrap::ww_none);
    model().setCells(2, 2, text);
    wrapCell(2, 2, T_Wordwrap::ww_ellipsis);
    const int inner = grid->CellRect(2, 2).width() - 4;
    const QString elided = metrics().elidedText(QString::fromLatin1(text), Qt::ElideRight, inner);
    ASSERT_TRUE(elided.endsWith(QChar(0x2026)));
    model().setCells(2, 3, toCp1252(elided));
    // Lines hidden below the cell: the last line that shows ends in an ellipsis.
    model().setCells(1, 4, "eins\r\nzwei\r\ndrei");
    wrapCell(1, 4, T_Wordwrap::ww_ellipsis);
    model().setCells(2, 4, "eins\x85");
    image = snapshot();
    const QRect cut = painted(image, 1, 2);
    EXPECT_LE(cut.right(), grid->CellRect(1, 2).right() - 2);
    EXPECT_GE(cut.right(), grid->CellRect(1, 2).right() - 4) << "drawn right up to the cut";
    EXPECT_EQ(pixels(image, 2, 2), pixels(image, 2, 3));
    EXPECT_NE(pixels(image, 1, 2), pixels(image, 2, 2));
    EXPECT_EQ(pixels(image, 1, 4), pixels(image, 2, 4));

    // Wrapped lines that do not fit are cut at the bottom, 2 pixels in.
    model().setCells(3, 2, "aaa bbb ccc ddd eee fff ggg");
    wrapCell(3, 2, T_Wordwrap::ww_wordwrap);
    model().setColWidths(3, 40);
    image = snapshot();
    const QRect wrapped = painted(image, 3, 2);
    EXPECT_LE(wrapped.bottom(), grid->CellRect(3, 2).bottom() - 2);
    EXPECT_GT(wrapped.height(), metrics().height() / 2);
}

TEST_F(CellDrawing, AnAmpersandIsDrawnAsItselfAndUnderlinesNothing) {
    model().setCells(1, 2, "a&b");
    model().setCells(2, 2, "ab");
    const QImage image = snapshot();
    const QRect withAmpersand = painted(image, 1, 2);
    const QRect without = painted(image, 2, 2);
    EXPECT_GE(withAmpersand.width(), without.width() + metrics().horizontalAdvance('&') - 2);
    EXPECT_EQ(withAmpersand.bottom() - grid->CellRect(1, 2).top(),
              without.bottom() - grid->CellRect(2, 2).top())
        << "no underline below the b";
}

TEST_F(CellDrawing, SelectionColoursFollowDrawSelectionAndTheFocusedCellRule) {
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
    EXPECT_EQ(colourAt(snapshot(), 2, 3), highlight);

    model().SelectedColorRow(2, clLime);
    model().ColorCell(2, 2, clYellow);
    model().BrushCell(2, 2)->setStyle(TBrushStyle::bsClear);
    image = snapshot();
    EXPECT_EQ(colourAt(image, 1, 2), QColor(Qt::green)) << "the row's selected brush";
    EXPECT_EQ(colourAt(image, 2, 2), QColor(Qt::green)) << "whatever its own brush";

    grid->setDrawSelection(false);
    image = snapshot();
    EXPECT_EQ(colourAt(image, 1, 2), base) << "selected cells look like the others";
    EXPECT_EQ(colourAt(image, 1, 3), base);
    EXPECT_NE(colourAt(image, 2, 2), QColor(Qt::yellow)) << "a clear brush fills nothing";
}

TEST_F(CellDrawing, TheBrushStyleDecidesHowACellIsFilled) {
    model().ColorCell(2, 3, clRed);
    model().ColorCell(3, 3, clRed);
    model().BrushCell(3, 3)->setStyle(TBrushStyle::bsCross);
    const QImage image = snapshot();
    const QRect solid = inside(2, 3);
    EXPECT_EQ(pixelsUnlike(image, solid, Qt::red), 0);
    const QRect hatched = inside(3, 3).intersected(grid->viewport()->rect());
    const int notRed = pixelsUnlike(image, hatched, Qt::red);
    EXPECT_GT(notRed, 0);
    EXPECT_LT(notRed, hatched.width() * hatched.height()) << "red hatch lines";
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
    model().setCells(2, 2, "WWW");
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

    const QImage image = snapshot();
    EXPECT_EQ(pixelsUnlike(image, inside(2, 2), role(QPalette::Base)), 0) << "no fill and no text";
}

TEST_F(DrawHandler, TheTextRectangleIsInsetAndReachesIntoGridLinesThatAreNotDrawn) {
    grid->setGridLineWidth(3);
    DrawCall call = callFor(2, 2);
    EXPECT_EQ(call.rect, call.cellRect.adjusted(2, 2, -2, -2));

    grid->setOptions(grid->Options() & ~TGridOptions(goVertLine));
    call = callFor(2, 2);
    EXPECT_EQ(call.rect, call.cellRect.adjusted(2, 2, -2, 3 - 2))
        << "without vertical lines the bottom edge moves";

    grid->setOptions((grid->Options() | goVertLine) & ~TGridOptions(goHorzLine));
    call = callFor(2, 2);
    EXPECT_EQ(call.rect, call.cellRect.adjusted(2, 2, 3 - 2, -2))
        << "without horizontal lines the right edge moves";

    grid->setOptions(defaultGridOptions & ~TGridOptions(goFixedVertLine));
    call = callFor(2, 0);
    EXPECT_TRUE(call.state.testFlag(gdFixed));
    EXPECT_EQ(call.rect, call.cellRect.adjusted(2, 2, -2, 3 - 2));
    call = callFor(2, 2);
    EXPECT_EQ(call.rect, call.cellRect.adjusted(2, 2, -2, -2));
}

TEST_F(CellDrawing, FixedCellsKeepTheFixedFontWhenTheWindowsFontChanges) {
    QFont large(QStringLiteral("DejaVu Sans"));
    large.setPixelSize(22);
    window->setFont(large);
    model().setDefaultRowHeight(40);
    model().setCells(2, 0, "Hb");
    model().setCells(2, 2, "Hb");
    const QImage image = snapshot();
    const int header = painted(image, 2, 0).height();
    const int cell = painted(image, 2, 2).height();
    EXPECT_GT(header, 0);
    EXPECT_GT(cell, header + 5);
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
    EXPECT_GT(repaintsAfter([&] { model().FixedFont().setHeight(-15); }), 0);
    EXPECT_GT(repaintsAfter([&] { model().FixedBrush().setColor(clRed); }), 0);
    EXPECT_EQ(repaintsAfter([&] { font->setColor(clRed); }), 0) << "no change, no paint";
}

} // namespace
