// What the phrase grid looks like, read back from a grab of the widget, and the mapping of
// stored colours and fonts to Qt's.
#include "grid/mapping/ColorMapping.h"
#include "grid/mapping/FontMapping.h"
#include "grid/view/PhraseGrid.h"
#include "support/grid/GridImages.h"
#include "support/grid/GridWindow.h"

#include <QHelpEvent>
#include <QToolTip>

namespace {

class PhraseGridLook : public GridWindow<TPhraseGrid> {
protected:
    QImage snapshot() const { return grid->grab().toImage(); }
    // In 8 bits a channel, as the grab holds it.
    QColor role(QPalette::ColorRole r) const { return QColor(grid->palette().color(r).rgb()); }
    // Inside the cell, clear of the focus rectangle.
    QRect inside(int col, int row) const { return grid->CellRect(col, row).adjusted(1, 1, -1, -1); }
    QColor colourAt(const QImage& image, int col, int row) const {
        return image.pixelColor(grid->CellRect(col, row).bottomRight() - QPoint(2, 2));
    }
};

TEST_F(PhraseGridLook, TextsShowInTheirCellsFromTheTopLeftInTheirFontAndEmptyCellsShowNone) {
    PhraseGridModel& model = grid->model();
    model.setCells(2, 2, "WWW");
    model.setCells(3, 4, "a&b");
    const QImage image = snapshot();
    const QColor base = role(QPalette::Base);
    EXPECT_EQ(colourAt(image, 2, 2), base);
    const QRect text = paintedArea(image, inside(2, 2), base);
    ASSERT_FALSE(text.isEmpty());
    const QRect cell = grid->CellRect(2, 2);
    EXPECT_GE(text.left(), cell.left() + 2);
    EXPECT_LE(text.left(), cell.left() + 4);
    EXPECT_GE(text.top(), cell.top() + 2);
    EXPECT_LT(text.bottom(), cell.bottom() - 2) << "from the top, not centred in the row";
    EXPECT_EQ(pixelsUnlike(image, inside(2, 3), base), 0);
    EXPECT_GT(pixelsUnlike(image, inside(3, 4), base), 0);

    model.setRowHeights(4, 40);
    model.setCells(1, 4, "Hg");
    model.setCells(2, 4, "Hg");
    model.FontCell(2, 4)->setHeight(-30);
    const QImage fonts = snapshot();
    const int small = paintedArea(fonts, inside(1, 4), base).height();
    EXPECT_GT(small, 0);
    EXPECT_GT(paintedArea(fonts, inside(2, 4), base).height(), small + 8)
        << "cells draw with their effective font";
}

TEST_F(PhraseGridLook, FixedCellsAreRaisedInTheFixedColourAndStayWhileTheRestScrolls) {
    PhraseGridModel& model = grid->model();
    model.setCells(1, 10, "ten");
    grid->setTopRow(10);
    const QImage image = snapshot();
    const QRect header = grid->CellRect(2, 0);
    EXPECT_EQ(header.top(), 0);
    EXPECT_EQ(image.pixelColor(header.center()), role(QPalette::Button));
    EXPECT_EQ(image.pixelColor(header.topLeft() + QPoint(5, 0)), role(QPalette::Light));
    EXPECT_EQ(image.pixelColor(header.bottomLeft() + QPoint(5, 0)), role(QPalette::Dark));
    EXPECT_EQ(image.pixelColor(header.bottomLeft() + QPoint(5, 1)), QColor(Qt::black))
        << "the grid line under the header";
    EXPECT_EQ(grid->CellRect(1, 10).top(), 31) << "the first scrolled row below the header";
    EXPECT_GT(pixelsUnlike(image, inside(1, 10), role(QPalette::Base)), 0);

    model.setFixedColor(clRed);
    EXPECT_EQ(snapshot().pixelColor(header.center()), QColor(Qt::red));
}

TEST_F(PhraseGridLook, SelectedCellsTakeTheSelectionColoursExceptTheFocusedOne) {
    PhraseGridModel& model = grid->model();
    model.setSelection({1, 1, 2, 3});
    model.SelectedColorCol(2, clLime);
    model.ColorCell(3, 4, clYellow);
    QImage image = snapshot();
    EXPECT_EQ(colourAt(image, 1, 2), role(QPalette::Highlight));
    EXPECT_EQ(colourAt(image, 2, 1), QColor(Qt::green)) << "the column's selected brush";
    EXPECT_EQ(colourAt(image, 2, 3), role(QPalette::Base)) << "the focused current cell";
    EXPECT_EQ(colourAt(image, 3, 4), QColor(Qt::yellow));
    EXPECT_EQ(colourAt(image, 3, 1), role(QPalette::Base));

    other->setFocus();
    image = snapshot();
    EXPECT_EQ(colourAt(image, 2, 3), QColor(Qt::green)) << "without the focus it is selected";

    model.setCells(1, 2, "MMMM");
    model.setSelectedFontColor(clRed);
    image = snapshot();
    EXPECT_GT(pixelsUnlike(image, inside(1, 2), role(QPalette::Highlight)), 0);
    const QRect text = inside(1, 2);
    EXPECT_LT(pixelsUnlike(image, text, Qt::red), text.width() * text.height())
        << "selected text in the selected font colour";
}

TEST_F(PhraseGridLook, TheGridFontFollowsTheWindowButTheFixedFontDoesNot) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(17);
    font.setBold(true);
    window->setFont(font);
    const PhraseGridModel& model = grid->model();
    EXPECT_EQ(model.Font().Height(), -17);
    EXPECT_EQ(model.Font().Name(), "DejaVu Sans");
    EXPECT_EQ(model.Font().Style(), fsBold);
    EXPECT_EQ(model.Font().Color(), clWindowText) << "the colour is the record's own";
    EXPECT_EQ(model.fixedFont().Height(), TMyFont::kDefaultHeight);
    EXPECT_EQ(model.effectiveFont(1, 1).Height(), -17);
}

TEST_F(PhraseGridLook, TheControlsHintShowsOverTheCells) {
    const QString hint = QStringLiteral("Hier doppelklicken um den gewünschten \n"
                                        "Text in das Vorschaufenster zu kopieren!");
    grid->setToolTip(hint);
    grid->setShowCellHints(false);
    const QPoint at = centre(1, 2);
    QHelpEvent event(QEvent::ToolTip, at, client()->mapToGlobal(at));
    QApplication::sendEvent(client(), &event);
    EXPECT_EQ(QToolTip::text(), hint);
    QToolTip::hideText();
}

TEST(StoredColours, MapToQtColoursWithSystemColoursFromThePalette) {
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::Active, QPalette::Highlight, QColor(4, 5, 6));
    EXPECT_EQ(toQColor(clRed, palette), QColor(255, 0, 0)) << "stored as 0x00BBGGRR";
    EXPECT_EQ(toQColor(0x123456, palette), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(toQColor(clBtnFace, palette), QColor(1, 2, 3));
    EXPECT_EQ(toQColor(clActiveCaption, palette), QColor(4, 5, 6));
    EXPECT_EQ(toQColor(clNone, palette).alpha(), 0);
    EXPECT_FALSE(toQColor(clDefault, palette).isValid());
    EXPECT_FALSE(toQColor(systemColor(200), palette).isValid());
}

TEST(StoredFonts, MapToQtFontsAndBack) {
    TMyFont stored;
    stored.setName("DejaVu Serif");
    stored.setHeight(-13);
    stored.setStyle(fsItalic | fsUnderline);
    stored.setPitch(TFontPitch::fpFixed);
    const QFont font = toQFont(stored);
    EXPECT_EQ(font.family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(font.pixelSize(), 13);
    EXPECT_FALSE(font.bold());
    EXPECT_TRUE(font.italic());
    EXPECT_TRUE(font.underline());
    EXPECT_TRUE(font.fixedPitch());

    // Name, pixel height and colour on the way back are checked with the window's font above.
    TMyFont back;
    assignQFont(back, font, 96);
    EXPECT_EQ(back.Style(), fsItalic | fsUnderline);

    QFont points(QStringLiteral("DejaVu Sans"), 9);
    assignQFont(back, points, 96);
    EXPECT_EQ(back.Height(), -12) << "9 points at 96 dpi";

    stored.setHeight(20);
    EXPECT_LT(toQFont(stored).pixelSize(), 20) << "a cell height holds the leading too";
    EXPECT_GT(toQFont(stored).pixelSize(), 12);
}

} // namespace
