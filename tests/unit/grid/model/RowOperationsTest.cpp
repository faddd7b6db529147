#include "grid/model/PhraseGridModel.h"
#include "support/grid/GridTestDoubles.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

// A phrase page: two columns, one fixed header row, no fixed column, "c:r" in every cell.
class RowOperations : public ::testing::Test {
protected:
    void SetUp() override {
        grid = PhraseGridModel::create();
        grid->setColCount(2);
        grid->setRowCount(6);
        grid->setFixedCols(0);
        grid->setFixedRows(1);
        fillTexts(*grid);
        grid->setEditorLink(&editor);
    }

    QByteArray column(int col) const { return columnTexts(*grid, col); }

    std::unique_ptr<PhraseGridModel> grid;
    FakeEditor editor;
};

TEST_F(RowOperations, RemovedTextsAreGoneForGoodAndSizesStayByIndex) {
    grid->setRowHeights(2, 40);
    grid->setRowHeights(0, 30);
    grid->RemoveRow(5);
    EXPECT_EQ(column(0), "0:0|0:1|0:2|0:3|0:4|");
    grid->setRowCount(6);
    EXPECT_EQ(grid->Cells(0, 5) + grid->Cells(1, 5), "");

    grid->RemoveRow(2);
    EXPECT_EQ(grid->RowHeights(2), 40);
    grid->InsertRow(1);
    EXPECT_EQ(grid->RowHeights(2), 40);
    EXPECT_EQ(grid->RowHeights(3), 24);
    grid->setColWidths(0, 99);
    grid->InsertColumn(0);
    EXPECT_EQ(grid->ColWidths(0), 99);
    EXPECT_EQ(grid->ColWidths(1), 64);
}

TEST_F(RowOperations, InsertColumnShiftsColumnsButNotFixedColumns) {
    grid->setFixedCols(1);
    grid->setCurrentCell(1, 2);
    grid->AlignCol(1, TMyAlign::alRight);
    grid->FixedAlignCol(1, TMyAlign::alCenter);
    grid->AlignCell(1, 0, TMyAlign::alCenter);
    grid->setHintCell(1, 3, "hint");
    grid->InsertColumn(-3);
    EXPECT_EQ(grid->ColCount(), 3);
    EXPECT_EQ(grid->Cells(0, 2), "0:2");
    EXPECT_EQ(grid->Cells(1, 2), "");
    EXPECT_EQ(grid->Cells(2, 2), "1:2");
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->effectiveAlignment(2, 3), TMyAlign::alRight);
    EXPECT_EQ(grid->effectiveAlignment(2, 0), TMyAlign::alCenter);
    EXPECT_EQ(grid->HintCell(2, 3), "hint");
    EXPECT_NE(grid->entry(PropertyLayer::FixedCol, 1, 0), nullptr);
    EXPECT_EQ(grid->entry(PropertyLayer::FixedCol, 2, 0), nullptr);

    grid->InsertColumn(9);
    EXPECT_EQ(grid->ColCount(), 4);
    EXPECT_EQ(grid->Cells(3, 2), "");
    EXPECT_EQ(grid->Col(), 2);
}

TEST_F(RowOperations, UserMovesCarryLayersHintsAndTexts) {
    grid->AlignRow(1, TMyAlign::alRight);
    grid->AlignCell(1, 1, TMyAlign::alCenter);
    grid->setHintCell(1, 1, "one");
    grid->FixedAlignRow(1, TMyAlign::alCenter);
    grid->setRowHeights(1, 33);
    grid->MoveRow(1, 4);
    EXPECT_EQ(column(1), "1:0|1:2|1:3|1:4|1:1|1:5|");
    EXPECT_EQ(grid->effectiveAlignment(0, 4), TMyAlign::alRight);
    EXPECT_EQ(grid->effectiveAlignment(1, 4), TMyAlign::alCenter);
    EXPECT_EQ(grid->HintCell(1, 4), "one");
    EXPECT_NE(grid->entry(PropertyLayer::FixedRow, 0, 1), nullptr);
    EXPECT_EQ(grid->RowHeights(1), 33);

    grid->AlignCol(0, TMyAlign::alRight);
    grid->MoveColumn(0, 1);
    EXPECT_EQ(grid->Cells(1, 0), "0:0");
    EXPECT_EQ(grid->effectiveAlignment(1, 2), TMyAlign::alRight);
    EXPECT_EQ(grid->HintCell(0, 4), "one");
}

// The editor is hidden, moved and shown again only when its cell moves or goes.
TEST_F(RowOperations, EditorFollowsItsCellThroughInsertsAndRemoves) {
    using Change = void (PhraseGridModel::*)(int);
    struct Step {
        GridCell cell;
        bool visible;
        Change change;
        int index;
        std::vector<std::string> log;
    };
    const Step steps[] = {
        {{1, 1}, true, &PhraseGridModel::RemoveRow, 3, {}},
        {{1, 4}, true, &PhraseGridModel::RemoveRow, 2, {"hide", "bind 1,3", "show"}},
        {{1, 3}, true, &PhraseGridModel::RemoveRow, 3, {"hide", "bind -1,-1"}},
        {{0, 2}, true, &PhraseGridModel::InsertRow, 3, {}},
        {{0, 2}, true, &PhraseGridModel::InsertRow, 2, {"hide", "bind 0,3", "show"}},
        {{0, 3}, true, &PhraseGridModel::InsertColumn, 1, {}},
        {{0, 3}, true, &PhraseGridModel::InsertColumn, 0, {"hide", "bind 1,3", "show"}},
        {{1, 3}, false, &PhraseGridModel::InsertRow, 1, {"bind 1,4"}},
    };
    for (const Step& step : steps) {
        editor.cell = step.cell;
        editor.visible = step.visible;
        editor.log.clear();
        (grid.get()->*step.change)(step.index);
        EXPECT_EQ(editor.log, step.log) << "step " << &step - steps;
    }
}

TEST_F(RowOperations, EditorKeepsItsTextWhenRowsAndColumnsMove) {
    editor.cell = {1, 2};
    grid->MoveRow(3, 2);
    EXPECT_EQ(editor.cell, (GridCell{1, 3})) << "the target row moves down";
    grid->MoveRow(3, 5);
    EXPECT_EQ(editor.cell, (GridCell{1, 5})) << "the moved row";
    grid->MoveRow(1, 5);
    EXPECT_EQ(editor.cell, (GridCell{1, 4})) << "the target row moves up";
    grid->MoveColumn(0, 1);
    EXPECT_EQ(editor.cell, (GridCell{0, 4}));
    EXPECT_EQ(grid->Cells(editor.cell.col, editor.cell.row), "1:2");
    grid->MoveRow(2, 2);
    EXPECT_EQ(editor.log.size(), 4u);
}

// Each row keeps its text, row entry, cell entry and hint through random row operations,
// including refused ones; the fixed-row layer stays by index.
TEST_F(RowOperations, RandomRowOperationsKeepEachRowTogether) {
    struct RowState {
        QByteArray text;
        bool rowEntry = false;
        bool cellEntry = false;
        QByteArray hint;
    };
    std::vector<RowState> rows;
    for (int r = 0; r < grid->RowCount(); ++r) {
        RowState state{grid->Cells(0, r), r % 2 == 1, r % 3 == 0,
                       r % 2 == 0 ? "h" + grid->Cells(0, r) : QByteArray()};
        if (state.rowEntry) {
            grid->AlignRow(r, TMyAlign::alRight);
        }
        if (state.cellEntry) {
            grid->AlignCell(0, r, TMyAlign::alCenter);
        }
        if (!state.hint.isEmpty()) {
            grid->setHintCell(0, r, state.hint);
        }
        grid->FixedAlignRow(r, TMyAlign::alRight);
        rows.push_back(state);
    }
    // The current row follows its text; when that row goes, its successor (or the new last
    // row) becomes current.
    grid->setCurrentCell(1, 4);
    int current = 4;
    std::mt19937 random(7);
    for (int step = 0; step < 400; ++step) {
        const int count = grid->RowCount();
        const int a = std::uniform_int_distribution<int>(-1, count + 1)(random);
        const int b = std::uniform_int_distribution<int>(0, count - 1)(random);
        switch (std::uniform_int_distribution<int>(0, 2)(random)) {
        case 0:
            grid->RemoveRow(a);
            if (a >= 1 && a < count && count > 2) {
                rows.erase(rows.begin() + a);
                current = std::min(a < current ? current - 1 : current, count - 2);
            }
            break;
        case 1: {
            grid->InsertRow(a);
            const int at = std::clamp(a, 1, count);
            rows.insert(rows.begin() + at, RowState{});
            if (current >= at) {
                ++current;
            }
            break;
        }
        default: {
            const int from = std::clamp(a, 0, count - 1);
            grid->MoveRow(from, b);
            const RowState moved = rows[static_cast<std::size_t>(from)];
            rows.erase(rows.begin() + from);
            rows.insert(rows.begin() + b, moved);
            current = std::max(movedIndex(current, from, b), 1);
            break;
        }
        }
        ASSERT_EQ(grid->RowCount(), static_cast<int>(rows.size()));
        ASSERT_EQ(grid->Row(), current) << "step " << step;
        for (int r = 0; r < grid->RowCount(); ++r) {
            const RowState& state = rows[static_cast<std::size_t>(r)];
            ASSERT_EQ(grid->Cells(0, r), state.text) << "step " << step;
            ASSERT_EQ(grid->entry(PropertyLayer::Row, 0, r) != nullptr, state.rowEntry);
            ASSERT_EQ(grid->entry(PropertyLayer::Cell, 0, r) != nullptr, state.cellEntry);
            ASSERT_EQ(grid->HintCell(0, r), state.hint);
            ASSERT_EQ(grid->entry(PropertyLayer::FixedRow, 0, r) != nullptr, r < 6);
        }
    }
    EXPECT_EQ(grid->entryCount(PropertyLayer::FixedRow), 6u);
}

} // namespace
