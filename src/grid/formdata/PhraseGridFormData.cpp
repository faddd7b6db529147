// The phrase grid's stored properties: hint texts, cell texts and the five property layers,
// and the after-loading step. Writing walks the stored entries, never the index range, so
// its cost follows the number of entries whatever the grid's counts.
#include "grid/formdata/FormDataFiler.h"
#include "grid/formdata/FormDataWriter.h"
#include "grid/formdata/GridFormDataLists.h"
#include "grid/formdata/OlderGridProperties.h"
#include "grid/model/PhraseGridModel.h"

#include <algorithm>
#include <initializer_list>

namespace {

// Calls f(col, row, entry) for the entries of table inside cols x rows, column by column.
template <typename T, typename F>
void forEachInside(const SparseTable<T>& table, int cols, int rows, F f) {
    for (const auto& [col, column] : table.columns()) {
        if (col >= cols) {
            break;
        }
        for (const auto& [row, entry] : column) {
            if (row >= rows) {
                break;
            }
            f(col, row, entry);
        }
    }
}

// Hint texts and cell texts: (column, row, text) with full indices; store(col, row, text).
template <typename Store>
void readTexts(FormDataReader& reader, Store store) {
    readListEntries(reader, [&] {
        const int col = reader.readInteger();
        const int row = reader.readInteger();
        store(col, row, reader.readString());
    });
}

void writeText(FormDataWriter& writer, int col, int row, const QByteArray& text) {
    writer.writeInteger(col);
    writer.writeInteger(row);
    writer.writeString(text);
}

void readHints(PhraseGridModel& grid, FormDataReader& reader) {
    readTexts(reader, [&grid](int col, int row, const QByteArray& hint) {
        grid.setHintCell(col, row, hint);
    });
    grid.setHintsFromFormData(true);
}

void writeHints(const PhraseGridModel& grid, FormDataWriter& writer) {
    writer.writeListBegin();
    forEachInside(
        grid.hints(), grid.ColCount(), grid.RowCount(),
        [&](int col, int row, const QByteArray& hint) { writeText(writer, col, row, hint); });
    writer.writeListEnd();
}

// The texts wait in the pending list: the grid's size may not be known yet.
void readCells(PhraseGridModel& grid, FormDataReader& reader) {
    readTexts(reader, [&grid](int col, int row, const QByteArray& text) {
        grid.pendingCells().put(col, row, text);
    });
    grid.setCellsFromFormData(true);
}

// Calls f(col, row, text) for every non-empty text inside the grid, column by column. The
// walk covers only stored texts; f may empty the text it is given.
template <typename F>
void forEachText(const PhraseGridModel& grid, F f) {
    const int cols = std::min(grid.ColCount(), grid.textStore().storedColumns());
    for (int col = 0; col < cols; ++col) {
        const int rows = std::min(grid.textStore().storedRows(col), grid.RowCount());
        for (int row = 0; row < rows; ++row) {
            const QByteArray text = grid.Cells(col, row);
            if (!text.isEmpty()) {
                f(col, row, text);
            }
        }
    }
}

void writeCells(const PhraseGridModel& grid, FormDataWriter& writer) {
    writer.writeListBegin();
    forEachText(
        grid, [&](int col, int row, const QByteArray& text) { writeText(writer, col, row, text); });
    writer.writeListEnd();
}

bool isColumnLayer(PropertyLayer layer) {
    return layer == PropertyLayer::Col || layer == PropertyLayer::FixedCol;
}

// A read record replaces any entry at its place.
void readLayer(PhraseGridModel& grid, PropertyLayer layer, FormDataReader& reader) {
    readListEntries(reader, [&] {
        int col = low16(reader.readInteger());
        int row = col;
        if (layer == PropertyLayer::Cell) {
            row = low16(reader.readInteger());
        }
        PhraseGridModel::Record record = grid.newRecord();
        record->readItems(reader);
        grid.putEntry(layer, col, row, std::move(record));
    });
}

// Entries outside the grid, and beyond what the 16-bit cut on reading could put back in
// place, are not written.
void writeLayer(const PhraseGridModel& grid, PropertyLayer layer, FormDataWriter& writer) {
    const int cols = std::min(grid.ColCount(), kFormDataIndexLimit);
    const int rows = std::min(grid.RowCount(), kFormDataIndexLimit);
    const auto writeEntry = [&writer](std::initializer_list<int> address,
                                      const PhraseGridModel::Record& record) {
        if (!record || record->IsEmpty()) {
            return;
        }
        for (const int index : address) {
            writer.writeInteger(index);
        }
        record->writeItems(writer);
    };
    writer.writeListBegin();
    if (layer == PropertyLayer::Cell) {
        forEachInside(grid.cellLayer(), cols, rows, [&](int col, int row, const auto& record) {
            writeEntry({col, row}, record);
        });
    } else {
        const int count = isColumnLayer(layer) ? cols : rows;
        for (const auto& [index, record] : grid.lineLayer(layer)) {
            if (index >= count) {
                break;
            }
            writeEntry({index}, record);
        }
    }
    writer.writeListEnd();
}

} // namespace

void PhraseGridModel::DefineProperties(FormDataFiler& filer) {
    filer.DefineProperty(
        "HintCell", [this](FormDataReader& r) { readHints(*this, r); },
        [this](FormDataWriter& w) { writeHints(*this, w); }, hintsFromFormData_);
    filer.DefineProperty(
        "Cells", [this](FormDataReader& r) { readCells(*this, r); },
        [this](FormDataWriter& w) { writeCells(*this, w); }, cellsFromFormData_);
    const struct {
        const char* name;
        PropertyLayer layer;
    } layers[] = {{"PropCell", PropertyLayer::Cell},
                  {"PropCol", PropertyLayer::Col},
                  {"PropRow", PropertyLayer::Row},
                  {"PropFixedCol", PropertyLayer::FixedCol},
                  {"PropFixedRow", PropertyLayer::FixedRow}};
    for (const auto& entry : layers) {
        const PropertyLayer layer = entry.layer;
        filer.DefineProperty(
            entry.name, [this, layer](FormDataReader& r) { readLayer(*this, layer, r); },
            [this, layer](FormDataWriter& w) { writeLayer(*this, layer, w); }, true);
    }
    defineOlderGridProperties(*this, filer);
}

void PhraseGridModel::Loaded() {
    if (!pendingCells_.empty()) {
        const TextTable pending = std::move(pendingCells_);
        pendingCells_.clear();
        // Every cell takes its pending text or an empty one.
        forEachText(*this, [&](int col, int row, const QByteArray&) {
            if (!pending.find(col, row)) {
                setCells(col, row, QByteArray());
            }
        });
        forEachInside(
            pending, ColCount(), RowCount(),
            [this](int col, int row, const QByteArray& text) { setCells(col, row, text); });
    }
    if (StringGridObserver* view = observer()) {
        view->gridLoaded();
    }
}
