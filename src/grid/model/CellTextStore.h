#pragma once

#include "grid/model/GridTypes.h"
#include "grid/model/SparseList.h"

#include <QByteArray>

#include <cstdint>
#include <deque>
#include <vector>

// The texts of a grid's cells (cp1252 bytes) and the one object reference per cell that
// travels with each text. An address that was never set reads as an empty text and no
// object.
//
// Memory follows the text that is there, whatever the shape: each row is one byte array
// that packs its texts from column 0 to its last text, a short text as a length and its
// bytes, a run of empty cells as one count, a long text (it would cost a copy on every
// read) as a reference to an array of its own. So a row costs a few bytes beyond its texts,
// a cell far to the right no more than one near the left, and a huge, empty row or column
// count nothing. Reading a cell walks its row from the start, or from the cell read or
// written last when that lies in the same row to its left, so reading or writing a row
// from left to right takes one walk in all. Object references are rare and kept sparse.
class CellTextStore {
public:
    QByteArray text(int col, int row) const;
    // The same without a copy, valid until the store changes.
    QByteArrayView textView(int col, int row) const;
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

    // One past the last row in which column col holds a text; 0 when it holds none.
    int storedRows(int col) const;
    // One past the last column that holds a text: every text lies in a column below this.
    int storedColumns() const;

private:
    // Where reading a row last stopped: the record that starts at offset covers col.
    struct Cursor {
        int row = -1;
        qint64 col = 0;
        qsizetype offset = 0;
    };
    // The record of a row that covers a column, or the row's end when none does.
    struct Place {
        qsizetype start = 0;
        qsizetype end = 0;
        qint64 firstCol = 0;
        bool found = false;
    };

    // A cell's text, and the array that holds it when it is a long one.
    struct TextAt {
        QByteArrayView view;
        const QByteArray* longText = nullptr;
    };

    const QByteArray* rowAt(int row) const;
    TextAt findText(int col, int row) const;
    Place locate(int row, qint64 col) const;
    // A text record for the text, its long text stored.
    template <typename Out>
    void appendRecord(Out& out, const QByteArray& text);
    QByteArray record(const QByteArray& text);
    // Frees the long texts of the records.
    void releaseRecords(QByteArrayView row);
    // Rewrites a row with each text at the column newCol(col) gives, dropping those for
    // which it gives -1.
    template <typename F>
    void remapRow(QByteArray& row, F newCol);
    void trimRows();

    // A deque: growing it never holds the old and the new array at once, as a vector does.
    std::deque<QByteArray> rows_;
    // Long texts by the number their record holds; freed numbers are used again.
    std::deque<QByteArray> long_;
    std::vector<std::uint32_t> freeLong_;
    SparseTable<void*> objects_;
    mutable Cursor cursor_;
    // The row written last, which may hold room to grow: trimmed once writing moves on.
    int growing_ = -1;
};
