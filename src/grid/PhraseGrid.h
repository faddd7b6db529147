#pragma once

#include "PhraseGridModel.h"
#include "StringGrid.h"

#include <memory>

// The phrase grid: the base grid on a PhraseGridModel (texts, counts, property layers,
// effective values, row and column operations). It draws every cell with the cell's
// effective font and brush, selected cells with the effective selection colours, and fixed
// cells with the fixed font and brush.
//
// The control's own hint is the widget's toolTip(); a two-line text shows as two lines.
class TPhraseGrid : public TStringGrid {
    Q_OBJECT

public:
    explicit TPhraseGrid(QWidget* parent = nullptr);

    PhraseGridModel& model() { return *model_; }
    const PhraseGridModel& model() const { return *model_; }

protected:
    // A phrase grid on a derived model, made and set up by PhraseGridModel::Create<>().
    TPhraseGrid(std::unique_ptr<PhraseGridModel> model, QWidget* parent);

    // The per-cell drawing hook: a copy of the rectangle goes through DrawCellBackground and
    // DrawCellText, then to OnDrawCell.
    void DrawCell(int ACol, int ARow, const QRect& ARect, TGridDrawState AState) override;
    // Sets the canvas to the cell's effective font and brush (the selection colours for a
    // selected cell that is not the focused one) and fills the cell.
    virtual void DrawCellBackground(int ACol, int ARow, TGridDrawState AState, QRect& ARect);
    // Draws the cell's text 2 pixels in from each side, from the top left, clipped to the
    // cell.
    virtual void DrawCellText(int ACol, int ARow, TGridDrawState AState, QRect& ARect);

private:
    PhraseGridModel* model_;
};
