// Moving columns (and rows) by dragging their header cells: the texts and the property
// layers go along, the sizes stay by index.
#include "grid/editing/InplaceEdit.h"
#include "grid/view/PhraseGrid.h"
#include "support/grid/GridWindow.h"

namespace {

// Laid out like the Smileys page: a header row, no fixed column, two columns.
class SmileysLayout : public GridWindow<TPhraseGrid> {
protected:
    void SetUp() override {
        GridWindow::SetUp();
        PhraseGridModel& model = grid->model();
        model.setFixedCols(0);
        model.setColCount(3);
        model.setColWidths(0, 65);
        model.setColWidths(1, 100);
        grid->setOptions(grid->Options() | goColMoving | goEditing);
        model.setCells(0, 0, "Smiley");
        model.setCells(1, 0, "Name");
        model.setCells(2, 0, "Extra");
        model.setCells(0, 1, ":-)");
        model.setCells(1, 1, "smile");
        model.AlignCol(0, TMyAlign::alCenter);
        model.AlignCell(1, 1, TMyAlign::alRight);
        model.setHintCell(0, 1, "hint");
        model.setCurrentCell(0, 2);
    }

    QByteArray row(int r) const {
        const PhraseGridModel& model = grid->model();
        return model.Cells(0, r) + '|' + model.Cells(1, r) + '|' + model.Cells(2, r);
    }
};

TEST_F(SmileysLayout, DraggingAHeaderCellMovesTheColumnWithItsLayers) {
    drag(centre(0, 0), centre(1, 0));
    EXPECT_EQ(row(0), "Name|Smiley|Extra");
    EXPECT_EQ(row(1), "smile|:-)|");
    const PhraseGridModel& model = grid->model();
    EXPECT_EQ(model.effectiveAlignment(1, 1), TMyAlign::alCenter) << "the column layer moved";
    EXPECT_EQ(model.effectiveAlignment(0, 1), TMyAlign::alRight) << "the cell layer moved";
    EXPECT_EQ(model.HintCell(1, 1), "hint");
    EXPECT_EQ(current(), (GridCell{1, 2})) << "the current cell went along";
    EXPECT_EQ(grid->CellRect(0, 0).width(), 65) << "widths stay by index";

    drag(centre(2, 0), QPoint(2, 10));
    EXPECT_EQ(row(0), "Extra|Name|Smiley") << "dropped on the first column";
}

TEST_F(SmileysLayout, ADragMovesNothingWhenItEndsWhereItBeganOrColumnMovingIsOff) {
    drag(centre(1, 0), centre(1, 0) + QPoint(10, 0));
    EXPECT_EQ(row(0), "Smiley|Name|Extra");
    drag(centre(0, 1), centre(2, 1));
    EXPECT_EQ(row(0), "Smiley|Name|Extra") << "a drag on a normal cell selects";
    EXPECT_EQ(grid->model().Selection(), (TGridRect{0, 1, 2, 1}));

    grid->setOptions(grid->Options() & ~TGridOptions(goColMoving));
    drag(centre(0, 0), centre(2, 0));
    EXPECT_EQ(row(0), "Smiley|Name|Extra");
}

TEST_F(SmileysLayout, AnOpenEditorStaysWithItsTextWhenAnotherColumnMoves) {
    grid->model().setCurrentCell(1, 1);
    grid->ShowEditor();
    ASSERT_TRUE(grid->InplaceEditor() && grid->InplaceEditor()->isVisible());
    QTest::keyClicks(grid->InplaceEditor(), "grin");
    drag(centre(2, 0), centre(0, 0));
    EXPECT_EQ(row(1), "|:-)|smile") << "the cell is written when the editor closes";
    EXPECT_EQ(grid->InplaceEditor()->BoundCell(), (GridCell{2, 1}));
    EXPECT_TRUE(grid->InplaceEditor()->isVisible());
    EXPECT_EQ(grid->InplaceEditor()->geometry(), grid->CellRect(2, 1));
    grid->HideEditor();
    EXPECT_EQ(row(1), "|:-)|grin");
}

using RowMoving = GridWindow<TStringGrid>;

TEST_F(RowMoving, DraggingARowHeaderMovesTheRowWithGoRowMoving) {
    grid->setOptions(grid->Options() | goRowMoving);
    grid->model().setCells(1, 1, "first");
    grid->model().setCells(1, 3, "third");
    drag(centre(0, 1), centre(0, 3));
    EXPECT_EQ(grid->model().Cells(1, 3), "first");
    EXPECT_EQ(grid->model().Cells(1, 2), "third");
}

} // namespace
