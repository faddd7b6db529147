#include "grid/model/CellTextStore.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <random>
#include <utility>

namespace {

// The texts a store stands for: every non-empty text by (column, row).
using Texts = std::map<std::pair<int, int>, QByteArray>;

template <typename F>
Texts remapped(const Texts& texts, F newPlace) {
    Texts result;
    for (const auto& [place, text] : texts) {
        const auto [col, row] = newPlace(place.first, place.second);
        if (col >= 0 && row >= 0) {
            result[{col, row}] = text;
        }
    }
    return result;
}

void expectSame(const CellTextStore& store, const Texts& texts, int step) {
    int columns = 0;
    std::map<int, int> rowsOf;
    for (const auto& [place, text] : texts) {
        ASSERT_EQ(store.text(place.first, place.second), text)
            << "step " << step << " at " << place.first << "," << place.second;
        columns = std::max(columns, place.first + 1);
        rowsOf[place.first] = std::max(rowsOf[place.first], place.second + 1);
    }
    ASSERT_EQ(store.storedColumns(), columns) << "step " << step;
    for (const auto& [col, rows] : rowsOf) {
        ASSERT_EQ(store.storedRows(col), rows) << "step " << step << " column " << col;
    }
}

// Texts of every length class: none, short, at the inline limit, long.
QByteArray textOf(std::mt19937& random) {
    static const int lengths[] = {0, 0, 1, 3, 63, 64, 65, 300};
    const int length = lengths[random() % std::size(lengths)];
    QByteArray text(length, '\0');
    for (char& c : text) {
        c = static_cast<char>('a' + random() % 26);
    }
    return text;
}

} // namespace

// Reads in every order, writes into gaps, over texts and past the end, and every line
// operation, on small columns and on the largest ones a grid can have.
TEST(CellTextStore, HoldsWhatWasWrittenUnderRandomOperations) {
    std::mt19937 random(11);
    // Far columns cost nothing; rows are stored up to the last one with a text.
    const auto index = [&random](bool far = true) {
        const int choice = static_cast<int>(random() % 10);
        return far && choice == 0 ? INT_MAX - 1 - static_cast<int>(random() % 3)
                                  : static_cast<int>(random() % 12);
    };
    CellTextStore store;
    Texts texts;
    for (int step = 0; step < 20000; ++step) {
        const int op = static_cast<int>(random() % 12);
        const GridAxis axis = random() % 2 == 0 ? GridAxis::Rows : GridAxis::Columns;
        // a: a column, or a line; b: a row, or where a line moves to.
        const int a = index();
        const int b = index(op >= 8 && axis == GridAxis::Columns);
        const auto along = [axis](int col, int row, auto f) {
            return axis == GridAxis::Rows ? std::pair(col, f(row)) : std::pair(f(col), row);
        };
        if (op < 8) {
            const QByteArray text = textOf(random);
            const auto it = texts.find({a, b});
            const bool changes = (it == texts.end() ? QByteArray() : it->second) != text;
            ASSERT_EQ(store.setText(a, b, text), changes) << "step " << step;
            if (text.isEmpty()) {
                texts.erase({a, b});
            } else {
                texts[{a, b}] = text;
            }
        } else if (op == 8) {
            store.clearLine(axis, a);
            texts = remapped(texts, [&](int col, int row) {
                return along(col, row, [a](int i) { return i == a ? -1 : i; });
            });
        } else if (op == 9 || op == 10) {
            store.moveLine(axis, a, b);
            texts = remapped(texts, [&](int col, int row) {
                return along(col, row, [a, b](int i) { return movedIndex(i, a, b); });
            });
        } else {
            store.truncate(axis, a);
            texts = remapped(texts, [&](int col, int row) {
                return along(col, row, [a](int i) { return i >= a ? -1 : i; });
            });
        }
        // Reads from anywhere, the cursor's row or not.
        for (int read = 0; read < 3; ++read) {
            const int col = index();
            const int row = index(false);
            const auto it = texts.find({col, row});
            ASSERT_EQ(store.text(col, row), it == texts.end() ? QByteArray() : it->second)
                << "step " << step;
        }
        if (step % 97 == 0) {
            expectSame(store, texts, step);
        }
    }
    expectSame(store, texts, -1);
}

TEST(CellTextStore, ALongTextIsHandedOutWithoutACopy) {
    CellTextStore store;
    const QByteArray big(1 << 20, 'x');
    store.setText(3, 2, big);
    store.setText(2, 2, "neben");
    EXPECT_EQ(store.text(3, 2).constData(), big.constData());
    store.moveLine(GridAxis::Columns, 3, 0);
    EXPECT_EQ(store.text(0, 2).constData(), big.constData());
    EXPECT_EQ(store.text(3, 2), "neben");
}
