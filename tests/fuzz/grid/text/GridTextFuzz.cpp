// Reads arbitrary bytes into a small grid through an arbitrary range and checks the result
// against a plain, slow reading of the same bytes; then checks that a grid whose texts hold
// no separators or line ends comes back whole through ExportText and ImportText.
#include "grid/model/PhraseGridModel.h"
#include "grid/text/GridText.h"

#include <QBuffer>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <utility>
#include <vector>

namespace {

void check(bool rule) {
    if (!rule) {
        std::abort();
    }
}

// A range end from one byte: small, negative, or the largest index.
int rangeValue(std::uint8_t byte) {
    return byte == 0x7F ? INT_MAX : static_cast<std::int8_t>(byte) % 10;
}

// The grid as a plain map, filled by the reading rules word for word: a copied rest of the
// line per field, counts that grow one at a time.
struct PlainGrid {
    int cols;
    int rows;
    std::map<std::pair<int, int>, QByteArray> texts;

    void set(qint64 col, qint64 row, const QByteArray& text) {
        if (col < cols && row < rows) {
            texts[{static_cast<int>(col), static_cast<int>(row)}] = text;
        }
    }
    QByteArray at(int col, int row) const {
        const auto found = texts.find({col, row});
        return found == texts.end() ? QByteArray() : found->second;
    }
};

std::vector<QByteArray> plainLines(const QByteArray& bytes) {
    const QByteArray text =
        bytes.left(bytes.indexOf('\0') < 0 ? bytes.size() : bytes.indexOf('\0'));
    std::vector<QByteArray> lines;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype start = i;
        while (i < text.size() && text[i] != '\r' && text[i] != '\n') {
            ++i;
        }
        lines.push_back(text.mid(start, i - start));
        if (i < text.size() && text[i] == '\r') {
            ++i;
            if (i < text.size() && text[i] == '\n') {
                ++i;
            }
        } else if (i < text.size()) {
            ++i;
        }
    }
    return lines;
}

void plainImport(PlainGrid& grid, const QByteArray& bytes, char separator, TGridRect r) {
    r.Top = std::max(r.Top, 0);
    r.Left = std::max(r.Left, 0);
    const qint64 bottom = r.Bottom < r.Top ? INT_MAX : r.Bottom;
    const qint64 right = r.Right < r.Left ? INT_MAX : r.Right;
    qint64 row = r.Top;
    for (const QByteArray& line : plainLines(bytes)) {
        if (row > bottom) {
            break;
        }
        if (row >= grid.rows && grid.rows < INT_MAX) {
            ++grid.rows;
        }
        QByteArray rest = line + separator;
        for (qint64 col = r.Left; col <= right && rest.size() > 1; ++col) {
            if (col >= grid.cols && grid.cols < INT_MAX) {
                ++grid.cols;
            }
            const qsizetype at = rest.indexOf(separator);
            grid.set(col, row, rest.left(at));
            rest = rest.mid(at + 1);
        }
        ++row;
    }
}

bool holdsLayoutBytes(const QByteArray& text) {
    return text.contains('\t') || text.contains('\r') || text.contains('\n') || text.contains('\0');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 7) {
        return 0;
    }
    const char separator = data[0] < 0xC0 ? '\t' : static_cast<char>(data[0] & 0x3F);
    const TGridRect range{rangeValue(data[1]), rangeValue(data[2]), rangeValue(data[3]),
                          rangeValue(data[4])};
    const int cols = 1 + data[5] % 6;
    const int rows = 1 + data[6] % 6;
    const QByteArray text(reinterpret_cast<const char*>(data + 7),
                          static_cast<qsizetype>(size - 7));

    auto grid = PhraseGridModel::create();
    grid->setColCount(cols);
    grid->setRowCount(rows);
    PlainGrid plain{cols, rows, {}};
    for (int c = 0; c < cols; ++c) {
        for (int r = 0; r < rows; ++r) {
            const QByteArray old = QByteArray::number(c) + ',' + QByteArray::number(r);
            grid->setCells(c, r, old);
            plain.set(c, r, old);
        }
    }

    QBuffer stream;
    stream.setData(text);
    stream.open(QIODevice::ReadOnly);
    ImportText(*grid, &stream, separator, range);
    plainImport(plain, text, separator, range);

    check(grid->ColCount() == plain.cols && grid->RowCount() == plain.rows);
    check(grid->ColCount() >= cols && grid->RowCount() >= rows);
    bool plainTexts = true;
    for (int c = 0; c < grid->ColCount(); ++c) {
        for (int r = 0; r < grid->RowCount(); ++r) {
            check(grid->Cells(c, r) == plain.at(c, r));
            plainTexts = plainTexts && !holdsLayoutBytes(grid->Cells(c, r));
        }
    }
    if (!plainTexts) {
        return 0;
    }

    // Back and forth through the layout into a grid of the same size.
    const QByteArray written = ExportText(*grid, '\t', kWholeGridText)->data();
    auto copy = PhraseGridModel::create();
    copy->setColCount(grid->ColCount());
    copy->setRowCount(grid->RowCount());
    for (int c = 0; c < copy->ColCount(); ++c) {
        copy->setCells(c, 0, "x");
    }
    ImportText(*copy, written, '\t', kWholeGridText);
    check(copy->ColCount() == grid->ColCount() && copy->RowCount() == grid->RowCount());
    for (int c = 0; c < grid->ColCount(); ++c) {
        for (int r = 0; r < grid->RowCount(); ++r) {
            check(copy->Cells(c, r) == grid->Cells(c, r));
        }
    }
    return 0;
}
