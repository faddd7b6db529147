// The effective values of a phrase grid cell: the first layer that sets a value gives it,
// else the grid-wide value.
#include "grid/model/PhraseGridModel.h"

const TCellProperties* PhraseGridModel::firstSet(int col, int row, bool fixedLayers,
                                                 bool (*has)(const TCellProperties&)) const {
    const bool fixed = fixedLayers && isFixed(col, row);
    const TCellProperties* const chain[] = {
        entry(PropertyLayer::Cell, col, row),
        entry(fixed ? PropertyLayer::FixedCol : PropertyLayer::Col, col, row),
        entry(fixed ? PropertyLayer::FixedRow : PropertyLayer::Row, col, row)};
    for (const TCellProperties* entry : chain) {
        if (entry && has(*entry)) {
            return entry;
        }
    }
    return nullptr;
}

TMyAlign PhraseGridModel::effectiveAlignment(int col, int row) const {
    const auto* entry = firstSet(col, row, true, [](const TCellProperties& e) {
        return e.Alignment() != TMyAlign::alDefault;
    });
    if (entry) {
        return entry->Alignment();
    }
    return alignment_ == TMyAlign::alDefault ? TMyAlign::alLeft : alignment_;
}

T_Wordwrap PhraseGridModel::effectiveWordwrap(int col, int row) const {
    const auto* entry = firstSet(col, row, true, [](const TCellProperties& e) {
        return e.Wordwrap() != T_Wordwrap::ww_default;
    });
    if (entry) {
        return entry->Wordwrap();
    }
    return wordwrap_ == T_Wordwrap::ww_default ? T_Wordwrap::ww_none : wordwrap_;
}

bool PhraseGridModel::effectiveEditable(int col, int row) const {
    const auto* entry = firstSet(col, row, true, [](const TCellProperties& e) {
        return e.editability() != TCellEditability::ceNotSet;
    });
    return entry ? entry->editability() == TCellEditability::ceEditable : editable_;
}

const TMyFont& PhraseGridModel::effectiveFont(int col, int row) const {
    const auto* entry =
        firstSet(col, row, true, [](const TCellProperties& e) { return e.Font() != nullptr; });
    if (entry) {
        return *entry->Font();
    }
    return isFixed(col, row) ? fixedFont_ : Font();
}

const TMyBrush& PhraseGridModel::effectiveBrush(int col, int row) const {
    const auto* entry =
        firstSet(col, row, true, [](const TCellProperties& e) { return e.Brush() != nullptr; });
    if (entry) {
        return *entry->Brush();
    }
    return isFixed(col, row) ? fixedBrush_ : Brush();
}

TColor PhraseGridModel::effectiveSelectedCellColor(int col, int row) const {
    const auto* entry = firstSet(
        col, row, false, [](const TCellProperties& e) { return e.selectedBrush() != nullptr; });
    return entry ? entry->selectedBrush()->Color() : selectedCellColor_;
}

TColor PhraseGridModel::effectiveSelectedFontColor(int col, int row) const {
    const auto* entry = firstSet(
        col, row, false, [](const TCellProperties& e) { return e.selectedFont() != nullptr; });
    return entry ? entry->selectedFont()->Color() : selectedFontColor_;
}
