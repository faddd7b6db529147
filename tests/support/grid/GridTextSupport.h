#pragma once

#include "grid/model/PhraseGridModel.h"
#include "grid/text/GridClipboard.h"
#include "grid/text/GridText.h"

#include <QBuffer>
#include <QByteArray>

#include <cstddef>
#include <initializer_list>
#include <memory>

// The bytes of a literal, NULs included.
template <std::size_t N>
QByteArray bytes(const char (&text)[N]) {
    return QByteArray(text, N - 1);
}

// A grid of cols x rows without fixed lines unless asked for, its texts given row by row
// ('|' between cells; a row may leave its last cells out).
inline std::unique_ptr<PhraseGridModel> gridOf(int cols, int rows,
                                               std::initializer_list<const char*> textRows = {},
                                               int fixedCols = 0, int fixedRows = 0) {
    auto grid = PhraseGridModel::create();
    grid->setColCount(cols);
    grid->setRowCount(rows);
    grid->setFixedCols(fixedCols);
    grid->setFixedRows(fixedRows);
    int row = 0;
    for (const char* textRow : textRows) {
        int col = 0;
        for (const QByteArray& text : QByteArray(textRow).split('|')) {
            grid->setCells(col++, row, text);
        }
        ++row;
    }
    return grid;
}

// Every text of the grid, '|' after each cell and a line per row, so that whole grids
// compare in one expectation.
inline QByteArray dump(const StringGridModel& grid) {
    QByteArray all;
    for (int r = 0; r < grid.RowCount(); ++r) {
        for (int c = 0; c < grid.ColCount(); ++c) {
            all += grid.Cells(c, r) + '|';
        }
        all += '\n';
    }
    return all;
}

inline QByteArray exported(const StringGridModel& grid, TGridRect range = kWholeGridText) {
    return ExportText(grid, kGridTextSeparator, range)->data();
}

inline void imported(StringGridModel& grid, const QByteArray& text,
                     TGridRect range = kWholeGridText) {
    ImportText(grid, text, kGridTextSeparator, range);
}

// A clipboard in memory.
class MemoryClipboard : public GridClipboard {
public:
    void setTextBytes(const QByteArray& bytes) override { held = bytes; }
    QByteArray textBytes() const override { return held; }
    QByteArray held;
};
