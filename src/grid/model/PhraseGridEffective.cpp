// The effective values of a phrase grid cell: the first layer that sets a value gives it,
// else the grid-wide value.
#include "grid/model/PhraseGridModel.h"

const TCellProperties* PhraseGridModel::firstSet(int col, int row, bool fixedLayers,
                                                 bool (*has)(const TCellProperties&)) const {
    const bool fixed = fixedLayers && IsFixed(col, row);
    const TCellProperties* const chain[] = {
        Entry(PropertyLayer::Cell, col, row),
        Entry(fixed ? PropertyLayer::FixedCol : PropertyLayer::Col, col, row),
        Entry(fixed ? PropertyLayer::FixedRow : PropertyLayer::Row, col, row)};
    for (const TCellProperties* entry : chain) {
        if (entry && has(*entry)) {
            return entry;
        }
    }
    return nullptr;
}

TMyAlign PhraseGridModel::EffectiveAlignment(int col, int row) const {
    const auto* entry = firstSet(col, row, true, [](const TCellProperties& e) {
        return e.Alignment() != TMyAlign::alDefault;
    });
    if (entry) {
        return entry->Alignment();
    }
    return alignment_ == TMyAlign::alDefault ? TMyAlign::alLeft : alignment_;
}

T_Wordwrap PhraseGridModel::EffectiveWordwrap(int col, int row) const {
    const auto* entry = firstSet(col, row, true, [](const TCellProperties& e) {
        return e.Wordwrap() != T_Wordwrap::ww_default;
    });
    if (entry) {
        return entry->Wordwrap();
    }
    return wordwrap_ == T_Wordwrap::ww_default ? T_Wordwrap::ww_none : wordwrap_;
}

bool PhraseGridModel::EffectiveEditable(int col, int row) const {
    const auto* entry = firstSet(col, row, true, [](const TCellProperties& e) {
        return e.Editability() != TCellEditability::ceNotSet;
    });
    return entry ? entry->Editability() == TCellEditability::ceEditable : editable_;
}

const TMyFont& PhraseGridModel::EffectiveFont(int col, int row) const {
    const auto* entry =
        firstSet(col, row, true, [](const TCellProperties& e) { return e.Font() != nullptr; });
    if (entry) {
        return *entry->Font();
    }
    return IsFixed(col, row) ? fixedFont_ : Font();
}

const TMyBrush& PhraseGridModel::EffectiveBrush(int col, int row) const {
    const auto* entry =
        firstSet(col, row, true, [](const TCellProperties& e) { return e.Brush() != nullptr; });
    if (entry) {
        return *entry->Brush();
    }
    return IsFixed(col, row) ? fixedBrush_ : Brush();
}

TColor PhraseGridModel::EffectiveSelectedCellColor(int col, int row) const {
    const auto* entry = firstSet(
        col, row, false, [](const TCellProperties& e) { return e.SelectedBrush() != nullptr; });
    return entry ? entry->SelectedBrush()->Color() : selectedCellColor_;
}

TColor PhraseGridModel::EffectiveSelectedFontColor(int col, int row) const {
    const auto* entry = firstSet(
        col, row, false, [](const TCellProperties& e) { return e.SelectedFont() != nullptr; });
    return entry ? entry->SelectedFont()->Color() : selectedFontColor_;
}
