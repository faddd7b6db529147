#pragma once

#include "grid/model/CellProperties.h"
#include "grid/model/SparseList.h"
#include "grid/model/StringGridModel.h"

#include <QByteArray>

#include <cstddef>
#include <functional>
#include <memory>
#include <utility>

class FormDataFiler;

// The five property layers of the phrase grid, in the order the effective values consult
// them: the cell layer, then the column and row layers for non-fixed cells, or the
// fixed-column and fixed-row layers for fixed cells.
enum class PropertyLayer : std::uint8_t { Cell, Col, Row, FixedCol, FixedRow };

// The model of the phrase grid TPhraseGrid: the base grid's data plus five sparse property
// layers, hint texts per cell, grid-wide display values and the effective values that
// drawing and editing read, and the row and column operations that carry all of it along.
//
// Two-phase construction: the constructor sets up the base grid; the set-up step setup()
// is virtual so that a derived grid can extend it (call the base first), and C++ cannot
// dispatch it from a constructor. create<Grid>(...) constructs and runs setup(); a grid made
// otherwise must have setup() called once before use.
//
// Layers are sparse: memory follows the number of entries, whatever their indices (up to
// 2^31-1); an entry at a negative index has no slot and is ignored. The fixed-column and
// fixed-row layers, row heights and column widths stay by index through every row and column
// operation.
class PhraseGridModel : public StringGridModel {
public:
    using Record = std::unique_ptr<TCellProperties>;
    using RecordFactory = std::function<Record(PhraseGridModel*)>;
    using PropertyList = SparseList<Record>;
    using PropertyTable = SparseTable<Record>;
    using TextTable = SparseTable<QByteArray>;

    template <typename Grid = PhraseGridModel, typename... Args>
    static std::unique_ptr<Grid> create(Args&&... args) {
        auto grid = std::make_unique<Grid>(std::forward<Args>(args)...);
        grid->setup();
        return grid;
    }

    PhraseGridModel();
    ~PhraseGridModel() override;

    // The set-up step: empty layers and hints, the record class TCellProperties, Alignment
    // alLeft, Wordwrap ww_none, SelectedCellColor clActiveCaption, SelectedFontColor clWhite,
    // the fixed brush in FixedColor and the fixed font with default attributes.
    virtual void setup();

    // The record class of new layer entries.
    template <typename R>
    void setRecordClass() {
        recordFactory_ = [](PhraseGridModel* owner) { return std::make_unique<R>(owner); };
    }
    Record newRecord() { return recordFactory_(this); }

    // Grid-wide values.
    TMyAlign Alignment() const { return alignment_; }
    void setAlignment(TMyAlign alignment);
    T_Wordwrap Wordwrap() const { return wordwrap_; }
    void setWordwrap(T_Wordwrap wordwrap);
    bool Editable() const { return editable_; }
    void setEditable(bool editable) { editable_ = editable; }
    // Also gives the fixed brush the colour.
    void setFixedColor(TColor color) override;
    TColor SelectedCellColor() const { return selectedCellColor_; }
    void setSelectedCellColor(TColor color);
    TColor SelectedFontColor() const { return selectedFontColor_; }
    void setSelectedFontColor(TColor color);
    // The font and brush at the end of the chains of fixed cells. The fixed font has
    // default attributes and does not follow Font.
    TMyFont& fixedFont() { return fixedFont_; }
    const TMyFont& fixedFont() const { return fixedFont_; }
    TMyBrush& fixedBrush() { return fixedBrush_; }
    const TMyBrush& fixedBrush() const { return fixedBrush_; }

    // Per-layer values. Each creates the layer entry it needs (nothing at a negative index).
    // Alignments repaint; editability does not.
    void AlignCell(int col, int row, TMyAlign alignment);
    void AlignCol(int col, TMyAlign alignment);
    void FixedAlignCol(int col, TMyAlign alignment);
    void AlignRow(int row, TMyAlign alignment);
    void FixedAlignRow(int row, TMyAlign alignment);
    void EditCell(int col, int row, bool editable);
    void EditCol(int col, bool editable);
    void EditRow(int row, bool editable);
    // The entry's font (brush) for changing; a new one starts as a copy of the grid's Font
    // (Brush). nullptr only for a negative index.
    TMyFont* FontCell(int col, int row);
    TMyFont* FontCol(int col);
    TMyFont* FontFixedCol(int col);
    TMyFont* FontRow(int row);
    TMyFont* FontFixedRow(int row);
    TMyBrush* BrushCell(int col, int row);
    TMyBrush* BrushCol(int col);
    TMyBrush* BrushFixedCol(int col);
    TMyBrush* BrushRow(int row);
    TMyBrush* BrushFixedRow(int row);
    // Sets the colour of the brush the matching Brush operation returns.
    void ColorCell(int col, int row, TColor color);
    void ColorCol(int col, TColor color);
    void ColorFixedCol(int col, TColor color);
    void ColorRow(int row, TColor color);
    void ColorFixedRow(int row, TColor color);
    // Gives the entry a selected brush of the colour; repaints.
    void SelectedColorCell(int col, int row, TColor color);
    void SelectedColorCol(int col, TColor color);
    void SelectedColorRow(int row, TColor color);

    // Hint texts (cp1252 bytes) by cell; an empty text where none is stored.
    QByteArray HintCell(int col, int row) const;
    // Stores the hint (an empty text too); a negative index is ignored.
    void setHintCell(int col, int row, const QByteArray& hint);
    const TextTable& hints() const { return hints_; }

    // Raw layer access for the form data. entry() finds the entry of a layer at a cell (the
    // column and row layers read only their own index); putEntry() stores one (nullptr
    // empties the slot) and hands back the one it replaced.
    TCellProperties* entry(PropertyLayer layer, int col, int row) const;
    Record putEntry(PropertyLayer layer, int col, int row, Record entry);
    const PropertyTable& cellLayer() const { return cellLayer_; }
    // The column, row, fixed-column or fixed-row layer (not the cell layer).
    const PropertyList& lineLayer(PropertyLayer layer) const;
    // The number of entries a layer holds.
    std::size_t entryCount(PropertyLayer layer) const;

    // Effective values of a cell, through the layers down to the grid-wide values.
    TMyAlign effectiveAlignment(int col, int row) const;
    T_Wordwrap effectiveWordwrap(int col, int row) const;
    bool effectiveEditable(int col, int row) const;
    const TMyFont& effectiveFont(int col, int row) const;
    const TMyBrush& effectiveBrush(int col, int row) const;
    TColor effectiveColor(int col, int row) const { return effectiveBrush(col, row).Color(); }
    TColor effectiveSelectedCellColor(int col, int row) const;
    TColor effectiveSelectedFontColor(int col, int row) const;

    // Row and column operations. RemoveRow ignores fixed rows, rows outside the grid and the
    // last non-fixed row. InsertRow and InsertColumn take an index below the fixed count as
    // the first non-fixed one and an index beyond the count as "append".
    void RemoveRow(int row);
    void InsertRow(int row) { insertLine(GridAxis::Rows, row); }
    void InsertColumn(int col) { insertLine(GridAxis::Columns, col); }

    // Form-data state: whether hint texts and cell texts were read from form data, and the
    // cell texts read but not yet put into the grid (column, then row; any index).
    bool hintsFromFormData() const { return hintsFromFormData_; }
    void setHintsFromFormData(bool read) { hintsFromFormData_ = read; }
    bool cellsFromFormData() const { return cellsFromFormData_; }
    void setCellsFromFormData(bool read) { cellsFromFormData_ = read; }
    TextTable& pendingCells() { return pendingCells_; }
    const TextTable& pendingCells() const { return pendingCells_; }

    // Form data (PhraseGridFormData.cpp). DefineProperties announces the stored properties:
    // hint texts, cell texts, the five layers and the older read-only ones; a derived grid
    // adds its own after calling the base. Loaded is the after-loading step, run once all
    // properties are read: pending cell texts replace every text of the grid, then the view
    // hears of it (gridLoaded) and sets up its editing state. A derived grid extends it
    // (calling the base first).
    virtual void DefineProperties(FormDataFiler& filer);
    virtual void Loaded();

protected:
    void RowMoved(int from, int to) override { lineMoved(GridAxis::Rows, from, to); }
    void ColumnMoved(int from, int to) override { lineMoved(GridAxis::Columns, from, to); }

private:
    PropertyList& lineLayer(PropertyLayer layer);
    TCellProperties* entryOrCreate(PropertyLayer layer, int col, int row);
    void align(PropertyLayer layer, int col, int row, TMyAlign alignment);
    void edit(PropertyLayer layer, int col, int row, bool editable);
    TMyFont* font(PropertyLayer layer, int col, int row);
    TMyBrush* brush(PropertyLayer layer, int col, int row);
    void color(PropertyLayer layer, int col, int row, TColor color);
    void selectedColor(PropertyLayer layer, int col, int row, TColor color);

    // The first of the three layers consulted for the cell whose entry has(entry) says is
    // set, or nullptr. With fixedLayers false the column and row layers stand for fixed
    // cells too.
    const TCellProperties* firstSet(int col, int row, bool fixedLayers,
                                    bool (*has)(const TCellProperties&)) const;

    void insertLine(GridAxis axis, int index);
    void lineMoved(GridAxis axis, int from, int to);
    // The layers that follow their rows (columns): the row (column) layer, the cell layer
    // and the hint texts.
    template <typename Op>
    void forMovingLayers(GridAxis axis, Op op);
    // Rebinds the editor's remembered cell to newIndex(index) along axis; a negative result
    // unbinds it.
    template <typename F>
    void remapEditorCell(GridAxis axis, F newIndex);

    RecordFactory recordFactory_;
    PropertyTable cellLayer_;
    PropertyList colLayer_;
    PropertyList rowLayer_;
    PropertyList fixedColLayer_;
    PropertyList fixedRowLayer_;
    TextTable hints_;
    TextTable pendingCells_;
    bool hintsFromFormData_ = false;
    bool cellsFromFormData_ = false;
    bool editable_ = true;
    TMyAlign alignment_ = TMyAlign::alLeft;
    T_Wordwrap wordwrap_ = T_Wordwrap::ww_none;
    TColor selectedCellColor_ = clActiveCaption;
    TColor selectedFontColor_ = clWhite;
    TMyFont fixedFont_;
    TMyBrush fixedBrush_;
};
