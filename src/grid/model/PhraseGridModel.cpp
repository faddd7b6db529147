#include "grid/model/PhraseGridModel.h"

namespace {

// The index a one-level layer is kept by.
int lineIndex(PropertyLayer layer, int col, int row) {
    return layer == PropertyLayer::Col || layer == PropertyLayer::FixedCol ? col : row;
}

} // namespace

PhraseGridModel::PhraseGridModel() {
    // Usable before setup(): the same state the set-up step makes.
    setRecordClass<TCellProperties>();
    fixedBrush_.setColor(FixedColor());
    fixedFont_.setOnChange([this] { Repaint(); });
    fixedBrush_.setOnChange([this] { Repaint(); });
}

PhraseGridModel::~PhraseGridModel() = default;

void PhraseGridModel::setup() {
    cellLayer_.clear();
    colLayer_.clear();
    rowLayer_.clear();
    fixedColLayer_.clear();
    fixedRowLayer_.clear();
    hints_.clear();
    setRecordClass<TCellProperties>();
    alignment_ = TMyAlign::alLeft;
    wordwrap_ = T_Wordwrap::ww_none;
    selectedCellColor_ = clActiveCaption;
    selectedFontColor_ = clWhite;
    fixedBrush_.Assign(TMyBrush());
    fixedBrush_.setColor(FixedColor());
    fixedFont_.Assign(TMyFont());
}

void PhraseGridModel::setAlignment(TMyAlign alignment) {
    if (alignment != alignment_) {
        alignment_ = alignment;
        Repaint();
    }
}

void PhraseGridModel::setWordwrap(T_Wordwrap wordwrap) {
    if (wordwrap != wordwrap_) {
        wordwrap_ = wordwrap;
        Repaint();
    }
}

void PhraseGridModel::setFixedColor(TColor color) {
    fixedBrush_.setColor(color);
    StringGridModel::setFixedColor(color);
}

void PhraseGridModel::setSelectedCellColor(TColor color) {
    selectedCellColor_ = color;
    Repaint();
}

void PhraseGridModel::setSelectedFontColor(TColor color) {
    selectedFontColor_ = color;
    Repaint();
}

// Per-layer values

void PhraseGridModel::AlignCell(int col, int row, TMyAlign alignment) {
    align(PropertyLayer::Cell, col, row, alignment);
}
void PhraseGridModel::AlignCol(int col, TMyAlign alignment) {
    align(PropertyLayer::Col, col, 0, alignment);
}
void PhraseGridModel::FixedAlignCol(int col, TMyAlign alignment) {
    align(PropertyLayer::FixedCol, col, 0, alignment);
}
void PhraseGridModel::AlignRow(int row, TMyAlign alignment) {
    align(PropertyLayer::Row, 0, row, alignment);
}
void PhraseGridModel::FixedAlignRow(int row, TMyAlign alignment) {
    align(PropertyLayer::FixedRow, 0, row, alignment);
}

void PhraseGridModel::EditCell(int col, int row, bool editable) {
    edit(PropertyLayer::Cell, col, row, editable);
}
void PhraseGridModel::EditCol(int col, bool editable) {
    edit(PropertyLayer::Col, col, 0, editable);
}
void PhraseGridModel::EditRow(int row, bool editable) {
    edit(PropertyLayer::Row, 0, row, editable);
}

TMyFont* PhraseGridModel::FontCell(int col, int row) {
    return font(PropertyLayer::Cell, col, row);
}
TMyFont* PhraseGridModel::FontCol(int col) {
    return font(PropertyLayer::Col, col, 0);
}
TMyFont* PhraseGridModel::FontFixedCol(int col) {
    return font(PropertyLayer::FixedCol, col, 0);
}
TMyFont* PhraseGridModel::FontRow(int row) {
    return font(PropertyLayer::Row, 0, row);
}
TMyFont* PhraseGridModel::FontFixedRow(int row) {
    return font(PropertyLayer::FixedRow, 0, row);
}

TMyBrush* PhraseGridModel::BrushCell(int col, int row) {
    return brush(PropertyLayer::Cell, col, row);
}
TMyBrush* PhraseGridModel::BrushCol(int col) {
    return brush(PropertyLayer::Col, col, 0);
}
TMyBrush* PhraseGridModel::BrushFixedCol(int col) {
    return brush(PropertyLayer::FixedCol, col, 0);
}
TMyBrush* PhraseGridModel::BrushRow(int row) {
    return brush(PropertyLayer::Row, 0, row);
}
TMyBrush* PhraseGridModel::BrushFixedRow(int row) {
    return brush(PropertyLayer::FixedRow, 0, row);
}

void PhraseGridModel::ColorCell(int col, int row, TColor c) {
    color(PropertyLayer::Cell, col, row, c);
}
void PhraseGridModel::ColorCol(int col, TColor c) {
    color(PropertyLayer::Col, col, 0, c);
}
void PhraseGridModel::ColorFixedCol(int col, TColor c) {
    color(PropertyLayer::FixedCol, col, 0, c);
}
void PhraseGridModel::ColorRow(int row, TColor c) {
    color(PropertyLayer::Row, 0, row, c);
}
void PhraseGridModel::ColorFixedRow(int row, TColor c) {
    color(PropertyLayer::FixedRow, 0, row, c);
}

void PhraseGridModel::SelectedColorCell(int col, int row, TColor c) {
    selectedColor(PropertyLayer::Cell, col, row, c);
}
void PhraseGridModel::SelectedColorCol(int col, TColor c) {
    selectedColor(PropertyLayer::Col, col, 0, c);
}
void PhraseGridModel::SelectedColorRow(int row, TColor c) {
    selectedColor(PropertyLayer::Row, 0, row, c);
}

void PhraseGridModel::align(PropertyLayer layer, int col, int row, TMyAlign alignment) {
    if (TCellProperties* entry = entryOrCreate(layer, col, row)) {
        entry->setAlignment(alignment);
    }
    Repaint();
}

void PhraseGridModel::edit(PropertyLayer layer, int col, int row, bool editable) {
    if (TCellProperties* entry = entryOrCreate(layer, col, row)) {
        entry->setEditability(editable ? TCellEditability::ceEditable
                                       : TCellEditability::ceReadOnly);
    }
}

TMyFont* PhraseGridModel::font(PropertyLayer layer, int col, int row) {
    TCellProperties* entry = entryOrCreate(layer, col, row);
    return entry ? &entry->ensureFont(Font()) : nullptr;
}

TMyBrush* PhraseGridModel::brush(PropertyLayer layer, int col, int row) {
    TCellProperties* entry = entryOrCreate(layer, col, row);
    return entry ? &entry->ensureBrush(Brush()) : nullptr;
}

void PhraseGridModel::color(PropertyLayer layer, int col, int row, TColor c) {
    if (TMyBrush* b = brush(layer, col, row)) {
        b->setColor(c);
    }
}

void PhraseGridModel::selectedColor(PropertyLayer layer, int col, int row, TColor c) {
    if (TCellProperties* entry = entryOrCreate(layer, col, row)) {
        entry->ensureSelectedBrush(TMyBrush()).setColor(c);
    }
    Repaint();
}

// Hints

QByteArray PhraseGridModel::HintCell(int col, int row) const {
    const QByteArray* hint = hints_.find(col, row);
    return hint ? *hint : QByteArray();
}

void PhraseGridModel::setHintCell(int col, int row, const QByteArray& hint) {
    hints_.put(col, row, hint);
}

// Layer access

const PhraseGridModel::PropertyList& PhraseGridModel::lineLayer(PropertyLayer layer) const {
    switch (layer) {
    case PropertyLayer::Col:
        return colLayer_;
    case PropertyLayer::Row:
        return rowLayer_;
    case PropertyLayer::FixedCol:
        return fixedColLayer_;
    default:
        return fixedRowLayer_;
    }
}

PhraseGridModel::PropertyList& PhraseGridModel::lineLayer(PropertyLayer layer) {
    return const_cast<PropertyList&>(std::as_const(*this).lineLayer(layer));
}

TCellProperties* PhraseGridModel::entry(PropertyLayer layer, int col, int row) const {
    const Record* found = layer == PropertyLayer::Cell
                              ? cellLayer_.find(col, row)
                              : lineLayer(layer).find(lineIndex(layer, col, row));
    return found ? found->get() : nullptr;
}

PhraseGridModel::Record PhraseGridModel::putEntry(PropertyLayer layer, int col, int row,
                                                  Record entry) {
    if (layer == PropertyLayer::Cell) {
        return entry ? cellLayer_.put(col, row, std::move(entry)) : cellLayer_.take(col, row);
    }
    PropertyList& list = lineLayer(layer);
    const int index = lineIndex(layer, col, row);
    return entry ? list.put(index, std::move(entry)) : list.take(index);
}

std::size_t PhraseGridModel::entryCount(PropertyLayer layer) const {
    return layer == PropertyLayer::Cell ? cellLayer_.size() : lineLayer(layer).size();
}

TCellProperties* PhraseGridModel::entryOrCreate(PropertyLayer layer, int col, int row) {
    Record* slot = layer == PropertyLayer::Cell ? cellLayer_.slot(col, row)
                                                : lineLayer(layer).slot(lineIndex(layer, col, row));
    if (!slot) {
        return nullptr;
    }
    if (!*slot) {
        *slot = newRecord();
    }
    return slot->get();
}
