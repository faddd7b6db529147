#pragma once

#include "grid/model/GridTypes.h"
#include "grid/model/SparseList.h"

#include <QByteArray>

#include <vector>

// The texts of a grid's cells (cp1252 bytes) and the one object reference per cell that
// travels with each text. Texts are kept column by column in contiguous arrays that reach
// only as far as the last row that ever held a text, so a column of 100,000 rows costs one
// QByteArray per row and a huge, empty row count costs nothing. Object references are rare
// and kept sparse. An address that was never set reads as an empty text and no object.
class CellTextStore {
public:
    QByteArray text(int col, int row) const;
    // Negative addresses are ignored. Whether the cell's text changed.
    bool setText(int col, int row, const QByteArray& text);

    void* object(int col, int row) const;
    void setObject(int col, int row, void* object);

    // Empties the texts and objects of one row or one column.
    void clearLine(GridAxis axis, int index);
    // A list move of one row's (or column's) texts and objects.
    void moveLine(GridAxis axis, int from, int to);
    // Drops everything at count and beyond along the axis.
    void truncate(GridAxis axis, int count);

    // Rows for which column col holds storage (for benchmarks and tests of memory use).
    int storedRows(int col) const;
    // Columns that hold storage: every text lies in a column below this.
    int storedColumns() const { return static_cast<int>(columns_.size()); }

private:
    using Column = std::vector<QByteArray>;

    std::vector<Column> columns_;
    SparseTable<void*> objects_;
};
