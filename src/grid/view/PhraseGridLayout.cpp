// The phrase grid's layout reactions: the last column that fills the client width, the
// cells that follow a dragged scroll-bar thumb, and the size notifications.
#include "grid/view/PhraseGrid.h"

#include <algorithm>
#include <cstdint>

void TPhraseGrid::setAutoAdjustLastCol(bool on) {
    autoAdjustLastCol_ = on;
    adjustLastCol();
}

void TPhraseGrid::setRedrawWhileScroll(bool on) {
    redrawWhileScroll_ = on;
    setLiveThumbTracking(on);
}

void TPhraseGrid::setGridLineWidth(int width) {
    if (std::max(width, 0) == GridLineWidth()) {
        return;
    }
    TStringGrid::setGridLineWidth(width);
    adjustLastCol();
}

void TPhraseGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TStringGrid::MouseUp(Button, Shift, X, Y);
    adjustLastCol();
}

void TPhraseGrid::Resize() {
    TStringGrid::Resize();
    adjustLastCol();
}

void TPhraseGrid::ColWidthsChanged() {
    TStringGrid::ColWidthsChanged();
    if (OnColWidthsChanged) {
        OnColWidthsChanged(this);
    }
}

void TPhraseGrid::RowHeightsChanged() {
    TStringGrid::RowHeightsChanged();
    if (OnRowHeightsChanged) {
        OnRowHeightsChanged(this);
    }
}

void TPhraseGrid::adjustLastCol() {
    if (!autoAdjustLastCol_) {
        return;
    }
    const int last = phraseModel_->ColCount() - 1;
    const std::int64_t others = phraseModel_->extents(GridAxis::Columns).sumBetween(0, last);
    const std::int64_t lines = Options().testAnyFlags(goVertLine | goFixedVertLine)
                                   ? std::int64_t{phraseModel_->ColCount()} * GridLineWidth()
                                   : 0;
    const int client = viewport()->width();
    if (others < client) {
        // Room smaller than the grid lines gives the column no width at all.
        phraseModel_->setColWidths(
            last, static_cast<int>(std::max<std::int64_t>(client - others - lines, 0)));
    }
}
