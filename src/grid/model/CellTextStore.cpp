#include "grid/model/CellTextStore.h"

#include <algorithm>
#include <climits>
#include <cstddef>

// A row is a sequence of records, one varint header each (7 bits a byte, low bits first):
// the header's two low bits give the kind, the rest its value.
//   kText: a text of `value` bytes (1 to kLongText), which follow the header;
//   kLong: a text in long_ at index `value`;
//   kGap:  `value` empty cells (at least one).
// A row never ends with a gap and never holds two gaps in a row, so that every text has
// one encoding and a row with no text is empty.
namespace {

enum Kind : unsigned { kText = 0, kLong = 1, kGap = 2 };
// Texts longer than this live in arrays of their own: reading them costs no copy, and
// writing a cell beside them does not move them.
constexpr qsizetype kLongText = 256;

struct Header {
    unsigned kind = kGap;
    quint64 value = 0;
    qsizetype data = 0; // where a kText record's bytes start
    qsizetype end = 0;  // where the next record starts
};

Header readHeader(QByteArrayView row, qsizetype at) {
    quint64 bits = 0;
    int shift = 0;
    unsigned char byte = 0;
    do {
        byte = static_cast<unsigned char>(row[at++]);
        bits |= static_cast<quint64>(byte & 0x7F) << shift;
        shift += 7;
    } while ((byte & 0x80) != 0);
    Header header{static_cast<unsigned>(bits & 3), bits >> 2, at, at};
    if (header.kind == kText) {
        header.end += static_cast<qsizetype>(header.value);
    }
    return header;
}

// Columns a record covers.
qint64 span(const Header& header) {
    return header.kind == kGap ? static_cast<qint64>(header.value) : 1;
}

// Room for a gap and a short text record, so that a row's first text is put together
// before the row's bytes are allocated, at their size.
class ShortRecords {
public:
    void push_back(char c) { bytes_[size_++] = c; }
    void append(const char* data, qsizetype size) {
        std::copy(data, data + size, bytes_ + size_);
        size_ += size;
    }
    qsizetype size() const { return size_; }
    QByteArray bytes() const { return QByteArray(bytes_, size_); }

private:
    // Two headers of at most ten bytes (64 bits, 7 a byte) and a short text.
    char bytes_[2 * 10 + kLongText];
    qsizetype size_ = 0;
};

template <typename Out>
void appendHeader(Out& out, unsigned kind, quint64 value) {
    quint64 bits = (value << 2) | kind;
    while (bits >= 0x80) {
        out.push_back(static_cast<char>((bits & 0x7F) | 0x80));
        bits >>= 7;
    }
    out.push_back(static_cast<char>(bits));
}

template <typename Out>
void appendGap(Out& out, qint64 cells) {
    if (cells > 0) {
        appendHeader(out, kGap, static_cast<quint64>(cells));
    }
}

// Calls f(header, start, firstCol) for every record of the row.
template <typename F>
void forEachRecord(QByteArrayView row, F f) {
    qint64 col = 0;
    for (qsizetype at = 0; at < row.size();) {
        const Header header = readHeader(row, at);
        f(header, at, col);
        col += span(header);
        at = header.end;
    }
}

// A long text handed in with much room to grow is kept at its size.
bool worthTrimming(const QByteArray& text) {
    return text.capacity() > text.size() + text.size() / 8 + 16;
}

} // namespace

const QByteArray* CellTextStore::rowAt(int row) const {
    return row >= 0 && static_cast<std::size_t>(row) < rows_.size()
               ? &rows_[static_cast<std::size_t>(row)]
               : nullptr;
}

CellTextStore::Place CellTextStore::locate(int row, qint64 col) const {
    const QByteArray& bytes = rows_[static_cast<std::size_t>(row)];
    qsizetype at = 0;
    qint64 first = 0;
    if (cursor_.row == row && cursor_.col <= col) {
        at = cursor_.offset;
        first = cursor_.col;
    }
    while (at < bytes.size()) {
        const Header header = readHeader(bytes, at);
        const qint64 cells = span(header);
        if (col < first + cells) {
            cursor_ = {row, first, at};
            return {at, header.end, first, true};
        }
        at = header.end;
        first += cells;
    }
    cursor_ = {row, first, at};
    return {at, at, first, false};
}

CellTextStore::TextAt CellTextStore::findText(int col, int row) const {
    const QByteArray* bytes = rowAt(row);
    if (col < 0 || bytes == nullptr || bytes->isEmpty()) {
        return {};
    }
    const Place place = locate(row, col);
    if (!place.found) {
        return {};
    }
    const Header header = readHeader(*bytes, place.start);
    switch (header.kind) {
    case kText:
        return {QByteArrayView(*bytes).sliced(header.data, static_cast<qsizetype>(header.value)),
                nullptr};
    case kLong:
        return {long_[header.value], &long_[header.value]};
    default:
        return {};
    }
}

QByteArray CellTextStore::text(int col, int row) const {
    const TextAt found = findText(col, row);
    // A long text is handed out as the array it is kept in.
    return found.longText != nullptr ? *found.longText : found.view.toByteArray();
}

QByteArrayView CellTextStore::textView(int col, int row) const {
    return findText(col, row).view;
}

template <typename Out>
void CellTextStore::appendRecord(Out& out, const QByteArray& text) {
    if (text.size() <= kLongText) {
        appendHeader(out, kText, static_cast<quint64>(text.size()));
        out.append(text.constData(), text.size());
        return;
    }
    std::uint32_t index = 0;
    if (freeLong_.empty()) {
        index = static_cast<std::uint32_t>(long_.size());
        long_.push_back(text);
    } else {
        index = freeLong_.back();
        freeLong_.pop_back();
        long_[index] = text;
    }
    QByteArray& stored = long_[index];
    if (worthTrimming(stored)) {
        stored.squeeze();
    }
    appendHeader(out, kLong, index);
}

QByteArray CellTextStore::record(const QByteArray& text) {
    QByteArray out;
    appendRecord(out, text);
    return out;
}

void CellTextStore::releaseRecords(QByteArrayView row) {
    forEachRecord(row, [&](const Header& header, qsizetype, qint64) {
        if (header.kind == kLong) {
            long_[header.value] = QByteArray();
            freeLong_.push_back(static_cast<std::uint32_t>(header.value));
        }
    });
    if (freeLong_.size() == long_.size()) {
        long_.clear();
        freeLong_.clear();
    }
}

bool CellTextStore::setText(int col, int row, const QByteArray& text) {
    if (col < 0 || row < 0) {
        return false;
    }
    if (static_cast<std::size_t>(row) >= rows_.size()) {
        if (text.isEmpty()) {
            return false;
        }
        rows_.resize(static_cast<std::size_t>(row) + 1);
    }
    if (growing_ != row) {
        // Appending leaves room to grow; a row that is done gives it back.
        if (growing_ >= 0 && static_cast<std::size_t>(growing_) < rows_.size()) {
            QByteArray& done = rows_[static_cast<std::size_t>(growing_)];
            if (done.capacity() > done.size()) {
                // A copy, not squeeze(): realloc keeps a small block as large as it was.
                done = QByteArray(done.constData(), done.size());
            }
        }
        growing_ = row;
    }
    QByteArray& bytes = rows_[static_cast<std::size_t>(row)];
    const Place place = locate(row, col);
    if (!place.found) {
        if (text.isEmpty()) {
            return false;
        }
        qsizetype start = 0;
        if (bytes.isEmpty()) {
            ShortRecords first;
            appendGap(first, col);
            start = first.size();
            appendRecord(first, text);
            bytes = first.bytes();
        } else {
            appendGap(bytes, col - place.firstCol);
            start = bytes.size();
            appendRecord(bytes, text);
        }
        cursor_ = {row, col, start};
        return true;
    }
    const Header header = readHeader(bytes, place.start);
    if (header.kind == kGap) {
        if (text.isEmpty()) {
            return false;
        }
        QByteArray split;
        appendGap(split, col - place.firstCol);
        const qsizetype start = place.start + split.size();
        split += record(text);
        appendGap(split, place.firstCol + span(header) - 1 - col);
        bytes.replace(place.start, place.end - place.start, split);
        cursor_ = {row, col, start};
        return true;
    }
    const bool same = header.kind == kText
                          ? QByteArrayView(bytes).sliced(
                                header.data, static_cast<qsizetype>(header.value)) == text
                          : long_[header.value] == text;
    if (same) {
        return false;
    }
    releaseRecords(QByteArrayView(bytes).sliced(place.start, place.end - place.start));
    if (!text.isEmpty()) {
        bytes.replace(place.start, place.end - place.start, record(text));
        cursor_ = {row, col, place.start};
        return true;
    }
    // Emptied: the cell joins the empty cells on either side, and none may end the row.
    QByteArray gap;
    appendGap(gap, 1);
    bytes.replace(place.start, place.end - place.start, gap);
    remapRow(bytes, [](qint64 c) { return c; });
    trimRows();
    return true;
}

template <typename F>
void CellTextStore::remapRow(QByteArray& row, F newCol) {
    struct Entry {
        qint64 col;
        qsizetype start;
        qsizetype end;
    };
    std::vector<Entry> entries;
    forEachRecord(row, [&](const Header& header, qsizetype start, qint64 col) {
        if (header.kind == kGap) {
            return;
        }
        const qint64 to = newCol(col);
        if (to < 0) {
            releaseRecords(QByteArrayView(row).sliced(start, header.end - start));
        } else {
            entries.push_back({to, start, header.end});
        }
    });
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.col < b.col; });
    QByteArray out;
    qint64 next = 0;
    for (const Entry& entry : entries) {
        appendGap(out, entry.col - next);
        out.append(row.constData() + entry.start, entry.end - entry.start);
        next = entry.col + 1;
    }
    // Written anew even when nothing moved, which merges the gaps a removed text leaves.
    row = out;
    cursor_ = {};
}

void CellTextStore::trimRows() {
    while (!rows_.empty() && rows_.back().isEmpty()) {
        rows_.pop_back();
    }
}

void* CellTextStore::object(int col, int row) const {
    void* const* object = objects_.find(col, row);
    return object ? *object : nullptr;
}

void CellTextStore::setObject(int col, int row, void* object) {
    if (object) {
        objects_.put(col, row, object);
    } else {
        objects_.take(col, row);
    }
}

void CellTextStore::clearLine(GridAxis axis, int index) {
    cursor_ = {};
    if (index < 0) {
        return;
    }
    if (axis == GridAxis::Columns) {
        for (QByteArray& row : rows_) {
            if (!row.isEmpty()) {
                remapRow(row, [index](qint64 col) { return col == index ? -1 : col; });
            }
        }
    } else if (static_cast<std::size_t>(index) < rows_.size()) {
        QByteArray& row = rows_[static_cast<std::size_t>(index)];
        releaseRecords(row);
        row = QByteArray();
    }
    trimRows();
    objects_.eraseLine(axis, index);
}

void CellTextStore::moveLine(GridAxis axis, int from, int to) {
    cursor_ = {};
    if (from == to || from < 0 || to < 0) {
        return;
    }
    if (axis == GridAxis::Columns) {
        for (QByteArray& row : rows_) {
            if (!row.isEmpty()) {
                remapRow(row, [from, to](qint64 col) {
                    return movedIndex(static_cast<int>(col), from, to);
                });
            }
        }
    } else {
        // A list move over a list whose missing tail is empty rows.
        const auto length = static_cast<int>(rows_.size());
        const auto at = [this](int index) { return rows_.begin() + index; };
        if (from < length || to < length) {
            if (from < to) {
                if (to < length) {
                    std::rotate(at(from), at(from + 1), at(to + 1));
                } else {
                    QByteArray moved = std::move(rows_[static_cast<std::size_t>(from)]);
                    rows_.erase(at(from));
                    if (!moved.isEmpty()) {
                        rows_.resize(static_cast<std::size_t>(to) + 1);
                        rows_.back() = std::move(moved);
                    }
                }
            } else if (from < length) {
                std::rotate(at(to), at(from), at(from + 1));
            } else {
                rows_.insert(at(to), QByteArray());
            }
        }
        growing_ = -1;
    }
    trimRows();
    objects_.move(axis, from, to);
}

void CellTextStore::truncate(GridAxis axis, int count) {
    cursor_ = {};
    const int n = std::max(count, 0);
    if (axis == GridAxis::Columns) {
        for (QByteArray& row : rows_) {
            if (!row.isEmpty()) {
                remapRow(row, [n](qint64 col) { return col >= n ? -1 : col; });
            }
        }
    } else if (rows_.size() > static_cast<std::size_t>(n)) {
        for (auto row = rows_.begin() + n; row != rows_.end(); ++row) {
            releaseRecords(*row);
        }
        rows_.resize(static_cast<std::size_t>(n));
    }
    trimRows();
    objects_.truncate(axis, count);
}

int CellTextStore::storedRows(int col) const {
    for (auto row = static_cast<int>(rows_.size()) - 1; row >= 0; --row) {
        if (!text(col, row).isEmpty()) {
            return row + 1;
        }
    }
    return 0;
}

int CellTextStore::storedColumns() const {
    qint64 columns = 0;
    for (const QByteArray& row : rows_) {
        qint64 end = 0;
        forEachRecord(
            row, [&end](const Header& header, qsizetype, qint64 col) { end = col + span(header); });
        columns = std::max(columns, end);
    }
    return static_cast<int>(std::min<qint64>(columns, INT_MAX));
}
