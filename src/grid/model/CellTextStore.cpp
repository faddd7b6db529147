#include "grid/model/CellTextStore.h"

#include <algorithm>
#include <cstddef>

namespace {

bool isBlank(const QByteArray& text) {
    return text.isEmpty();
}
bool isBlank(const std::vector<QByteArray>& column) {
    return column.empty();
}

// Drops trailing blank items so that storage ends at the last item that holds something.
template <typename Item>
void trimTail(std::vector<Item>& items) {
    while (!items.empty() && isBlank(items.back())) {
        items.pop_back();
    }
}

// A list move within a vector that stands for a longer list whose missing tail is blank.
template <typename Item>
void listMove(std::vector<Item>& items, int from, int to) {
    const auto length = static_cast<int>(items.size());
    if (from == to || from < 0 || to < 0 || (from >= length && to >= length)) {
        return;
    }
    const auto at = [&items](int index) { return items.begin() + index; };
    if (from < to) {
        if (to < length) {
            std::rotate(at(from), at(from + 1), at(to + 1));
        } else {
            Item moved = std::move(items[static_cast<std::size_t>(from)]);
            items.erase(at(from));
            if (!isBlank(moved)) {
                items.resize(static_cast<std::size_t>(to) + 1);
                items.back() = std::move(moved);
            }
        }
    } else if (from < length) {
        std::rotate(at(to), at(from), at(from + 1));
    } else {
        items.insert(at(to), Item());
    }
    trimTail(items);
}

} // namespace

QByteArray CellTextStore::text(int col, int row) const {
    if (col < 0 || row < 0 || static_cast<std::size_t>(col) >= columns_.size()) {
        return {};
    }
    const Column& column = columns_[static_cast<std::size_t>(col)];
    return static_cast<std::size_t>(row) < column.size() ? column[static_cast<std::size_t>(row)]
                                                         : QByteArray();
}

bool CellTextStore::setText(int col, int row, const QByteArray& text) {
    if (col < 0 || row < 0) {
        return false;
    }
    const auto c = static_cast<std::size_t>(col);
    const auto r = static_cast<std::size_t>(row);
    if (text.isEmpty()) {
        if (c < columns_.size() && r < columns_[c].size() && !columns_[c][r].isEmpty()) {
            columns_[c][r] = QByteArray();
            trimTail(columns_[c]);
            trimTail(columns_);
            return true;
        }
        return false;
    }
    if (c >= columns_.size()) {
        columns_.resize(c + 1);
    }
    if (r >= columns_[c].size()) {
        columns_[c].resize(r + 1);
    }
    if (columns_[c][r] == text) {
        return false;
    }
    columns_[c][r] = text;
    return true;
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
    if (index < 0) {
        return;
    }
    const auto i = static_cast<std::size_t>(index);
    if (axis == GridAxis::Columns) {
        if (i < columns_.size()) {
            columns_[i] = Column();
        }
    } else {
        for (Column& column : columns_) {
            if (i < column.size()) {
                column[i] = QByteArray();
                trimTail(column);
            }
        }
    }
    trimTail(columns_);
    objects_.eraseLine(axis, index);
}

void CellTextStore::moveLine(GridAxis axis, int from, int to) {
    if (axis == GridAxis::Columns) {
        listMove(columns_, from, to);
    } else {
        for (Column& column : columns_) {
            listMove(column, from, to);
        }
        trimTail(columns_);
    }
    objects_.move(axis, from, to);
}

void CellTextStore::truncate(GridAxis axis, int count) {
    const auto n = static_cast<std::size_t>(std::max(count, 0));
    if (axis == GridAxis::Columns) {
        if (columns_.size() > n) {
            columns_.resize(n);
        }
    } else {
        for (Column& column : columns_) {
            if (column.size() > n) {
                column.resize(n);
            }
            trimTail(column);
        }
    }
    trimTail(columns_);
    objects_.truncate(axis, count);
}

int CellTextStore::storedRows(int col) const {
    if (col < 0 || static_cast<std::size_t>(col) >= columns_.size()) {
        return 0;
    }
    return static_cast<int>(columns_[static_cast<std::size_t>(col)].size());
}
