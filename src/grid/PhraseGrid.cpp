#include "PhraseGrid.h"

#include "ColorMapping.h"
#include "Cp1252.h"
#include "FontMapping.h"

#include <QPainter>

TPhraseGrid::TPhraseGrid(QWidget* parent) : TPhraseGrid(PhraseGridModel::Create(), parent) {}

TPhraseGrid::TPhraseGrid(std::unique_ptr<PhraseGridModel> model, QWidget* parent)
    : TStringGrid(std::move(model), parent), model_(static_cast<PhraseGridModel*>(&data())) {}

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
    const TMyFont& font = model_->EffectiveFont(ACol, ARow);
    canvas.setFont(toQFont(font));
    TColor background = model_->EffectiveColor(ACol, ARow);
    TColor text = font.Color();
    if (AState.testFlag(gdSelected) &&
        (!AState.testFlag(gdFocused) ||
         Options().testAnyFlags(goDrawFocusSelected | goRowSelect))) {
        background = model_->EffectiveSelectedCellColor(ACol, ARow);
        text = model_->EffectiveSelectedFontColor(ACol, ARow);
    }
    const QColor brush = toQColor(background, colors);
    const QColor pen = toQColor(text, colors);
    canvas.setBrush(brush.isValid() ? brush : colors.color(QPalette::Base));
    canvas.setPen(pen.isValid() ? pen : colors.color(QPalette::Text));
    if (DefaultDrawing()) {
        canvas.fillRect(ARect, canvas.brush());
    }
}

void TPhraseGrid::DrawCellText(int ACol, int ARow, TGridDrawState /*AState*/, QRect& ARect) {
    if (!DefaultDrawing()) {
        return;
    }
    const QRect inner = ARect.adjusted(2, 2, -2, -2);
    if (inner.isEmpty()) {
        return;
    }
    QPainter& canvas = *Canvas();
    canvas.save();
    canvas.setClipRect(inner, Qt::IntersectClip);
    canvas.drawText(inner, Qt::AlignLeft | Qt::AlignTop,
                    fromCp1252(model_->Cells(ACol, ARow))
                        .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    canvas.restore();
}
