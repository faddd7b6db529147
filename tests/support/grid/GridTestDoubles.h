#pragma once

#include "grid/model/GridEditorLink.h"
#include "grid/model/PhraseGridModel.h"
#include "grid/model/StringGridObserver.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// Counts what a grid model tells its view.
class RecordingObserver : public StringGridObserver {
public:
    void gridRepaint() override { ++repaints; }
    void gridCellChanged(int, int) override { ++cellChanges; }
    void gridCountsChanged() override { ++countChanges; }
    void gridSizesChanged(GridAxis) override { ++sizeChanges; }
    void gridCurrentChanged(GridCell, TGridRect) override { ++currentChanges; }
    void gridFontChanged() override { ++fontChanges; }

    int repaints = 0;
    int cellChanges = 0;
    int countChanges = 0;
    int sizeChanges = 0;
    int currentChanges = 0;
    int fontChanges = 0;
};

// An in-place editor that remembers its cell and logs what the model asks of it.
class FakeEditor : public GridEditorLink {
public:
    bool editorVisible() const override { return visible; }
    GridCell editorCell() const override { return cell; }
    void setEditorCell(GridCell newCell) override {
        cell = newCell;
        log.push_back("bind " + std::to_string(cell.col) + "," + std::to_string(cell.row));
    }
    void HideEditor() override {
        visible = false;
        log.emplace_back("hide");
    }
    void ShowEditor() override {
        visible = true;
        log.emplace_back("show");
    }

    bool visible = false;
    GridCell cell;
    std::vector<std::string> log;
};

// Puts "c:r" into every cell (column c, row r).
inline void fillTexts(StringGridModel& grid) {
    for (int c = 0; c < grid.ColCount(); ++c) {
        for (int r = 0; r < grid.RowCount(); ++r) {
            grid.setCells(c, r, QByteArray::number(c) + ':' + QByteArray::number(r));
        }
    }
}

// The texts of one column, each followed by '|'.
inline QByteArray columnTexts(const StringGridModel& grid, int col) {
    QByteArray texts;
    for (int r = 0; r < grid.RowCount(); ++r) {
        texts += grid.Cells(col, r) + '|';
    }
    return texts;
}

// A set-up phrase grid model watched by a RecordingObserver.
class ObservedPhraseGrid : public ::testing::Test {
protected:
    void SetUp() override {
        grid = PhraseGridModel::create();
        grid->setObserver(&view);
    }
    std::unique_ptr<PhraseGridModel> grid;
    RecordingObserver view;
};
