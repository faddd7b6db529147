// Drawing one cell of the phrase grid: background, selection colours and text, each step a
// virtual function of its own.
#include "grid/view/PhraseGrid.h"

#include "grid/mapping/ColorMapping.h"
#include "grid/mapping/FontMapping.h"
#include "grid/view/CellTextDrawing.h"

#include <QPainter>

void TPhraseGrid::DrawCell(int ACol, int ARow, const QRect& ARect, TGridDrawState AState) {
    QRect rect = ARect;
    DrawCellBackground(ACol, ARow, AState, rect);
    DrawCellText(ACol, ARow, AState, rect);
    if (OnDrawCell) {
        OnDrawCell(this, ACol, ARow, rect, AState);
    }
}

void TPhraseGrid::DrawCellBackground(int ACol, int ARow, TGridDrawState AState, QRect& ARect) {
    QPainter& canvas = *Canvas();
    const QPalette& colors = palette();
    const TMyFont& font = phraseModel_->effectiveFont(ACol, ARow);
    const TMyBrush& brush = phraseModel_->effectiveBrush(ACol, ARow);
    TColor background = brush.Color();
    TColor text = font.Color();
    TBrushStyle style = brush.Style();
    if (drawSelection_ && AState.testFlag(gdSelected) &&
        (!AState.testFlag(gdFocused) ||
         Options().testAnyFlags(goDrawFocusSelected | goRowSelect))) {
        background = phraseModel_->effectiveSelectedCellColor(ACol, ARow);
        text = phraseModel_->effectiveSelectedFontColor(ACol, ARow);
        // A colour given to a clear brush makes it solid, as the framework's brushes do.
        if (style == TBrushStyle::bsClear) {
            style = TBrushStyle::bsSolid;
        }
    }
    canvas.setFont(toQFont(font));
    canvas.setBrush(toQBrush(background, style, colors, colors.color(QPalette::Base)));
    const QColor pen = toQColor(text, colors);
    canvas.setPen(pen.isValid() ? pen : colors.color(QPalette::Text));
    if (!DefaultDrawing()) {
        return;
    }
    canvas.fillRect(ARect, canvas.brush());
    // The text may use the room of grid lines that are not drawn. The vertical-line option
    // decides the bottom edge and the horizontal-line option the right edge, as the
    // component always did.
    const bool fixed = AState.testFlag(gdFixed);
    if (!Options().testFlag(fixed ? goFixedVertLine : goVertLine)) {
        ARect.setBottom(ARect.bottom() + GridLineWidth());
    }
    if (!Options().testFlag(fixed ? goFixedHorzLine : goHorzLine)) {
        ARect.setRight(ARect.right() + GridLineWidth());
    }
}

void TPhraseGrid::DrawCellText(int ACol, int ARow, TGridDrawState /*AState*/, QRect& ARect) {
    if (!DefaultDrawing()) {
        return;
    }
    ARect.adjust(2, 2, -2, -2);
    drawCellText(*Canvas(), ARect, phraseModel_->cellView(ACol, ARow),
                 phraseModel_->effectiveAlignment(ACol, ARow),
                 phraseModel_->effectiveWordwrap(ACol, ARow));
}
