#include "grid/model/PhraseGridModel.h"
#include "support/grid/GridTestDoubles.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using EffectiveValues = ObservedPhraseGrid;

TEST_F(EffectiveValues, CellThenColumnThenRowThenGridDecide) {
    grid->setAlignment(TMyAlign::alDefault);
    grid->setWordwrap(T_Wordwrap::ww_default);
    EXPECT_EQ(grid->effectiveAlignment(3, 2), TMyAlign::alLeft) << "the grid's default is left";
    EXPECT_EQ(grid->effectiveWordwrap(3, 2), T_Wordwrap::ww_none);
    grid->setAlignment(TMyAlign::alCenter);
    EXPECT_EQ(grid->effectiveAlignment(3, 2), TMyAlign::alCenter);
    grid->AlignRow(2, TMyAlign::alRight);
    EXPECT_EQ(grid->effectiveAlignment(3, 2), TMyAlign::alRight);
    grid->AlignCol(3, TMyAlign::alLeft);
    EXPECT_EQ(grid->effectiveAlignment(3, 2), TMyAlign::alLeft);
    grid->AlignCell(3, 2, TMyAlign::alCenter);
    EXPECT_EQ(grid->effectiveAlignment(3, 2), TMyAlign::alCenter);
    grid->AlignCell(3, 2, TMyAlign::alDefault);
    EXPECT_EQ(grid->effectiveAlignment(3, 2), TMyAlign::alLeft) << "alDefault passes on";

    grid->entry(PropertyLayer::Row, 0, 2)->setWordwrap(T_Wordwrap::ww_ellipsis);
    EXPECT_EQ(grid->effectiveWordwrap(3, 2), T_Wordwrap::ww_ellipsis)
        << "a column entry without word wrap passes on to the row";
}

TEST_F(EffectiveValues, FixedCellsReadTheFixedLayersInsteadOfColumnAndRow) {
    grid->AlignCol(2, TMyAlign::alRight);
    grid->AlignRow(0, TMyAlign::alRight);
    EXPECT_EQ(grid->effectiveAlignment(2, 0), TMyAlign::alLeft);
    grid->FixedAlignRow(0, TMyAlign::alCenter);
    EXPECT_EQ(grid->effectiveAlignment(2, 0), TMyAlign::alCenter);
    grid->FixedAlignCol(2, TMyAlign::alRight);
    EXPECT_EQ(grid->effectiveAlignment(2, 0), TMyAlign::alRight);
    EXPECT_EQ(grid->effectiveAlignment(2, 3), TMyAlign::alRight) << "column layer";
    grid->FixedAlignRow(3, TMyAlign::alCenter);
    EXPECT_EQ(grid->effectiveAlignment(1, 3), TMyAlign::alLeft)
        << "a fixed-row entry does not reach a non-fixed row";
}

TEST_F(EffectiveValues, FirstSetEditabilityDecidesElseTheGridsEditable) {
    grid->EditCol(2, true);
    grid->EditCell(2, 3, false);
    EXPECT_FALSE(grid->effectiveEditable(2, 3));
    EXPECT_TRUE(grid->effectiveEditable(2, 4));
    grid->EditRow(4, false);
    EXPECT_TRUE(grid->effectiveEditable(2, 4)) << "the column comes before the row";
    EXPECT_FALSE(grid->effectiveEditable(3, 4));
    EXPECT_TRUE(grid->effectiveEditable(3, 3));
    grid->setEditable(false);
    EXPECT_FALSE(grid->effectiveEditable(3, 3));
    grid->EditCell(3, 3, true);
    EXPECT_TRUE(grid->effectiveEditable(3, 3));
    grid->entry(PropertyLayer::Cell, 3, 3)->setEditability(static_cast<TCellEditability>(7));
    EXPECT_FALSE(grid->effectiveEditable(3, 3)) << "an unknown byte is set, and only 2 edits";
}

TEST_F(EffectiveValues, FontsAndBrushesStartAsCopiesOfTheGridsAndEndAtFixedOnes) {
    grid->Font().setName("Tahoma");
    TMyFont* font = grid->FontCol(2);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->Name(), "Tahoma");
    EXPECT_EQ(grid->FontCol(2), font) << "the same font on the second call";
    font->setColor(clRed);
    EXPECT_EQ(grid->Font().Color(), clWindowText);
    EXPECT_EQ(&grid->effectiveFont(2, 3), font);
    EXPECT_EQ(&grid->effectiveFont(3, 3), &grid->Font());
    EXPECT_EQ(&grid->effectiveFont(2, 0), &grid->fixedFont());
    EXPECT_EQ(grid->fixedFont().Name(), TMyFont::defaultName) << "does not follow Font";

    grid->setColor(clYellow);
    grid->ColorCell(2, 2, clLime);
    EXPECT_EQ(grid->BrushCell(2, 2)->Style(), grid->Brush().Style());
    EXPECT_EQ(grid->effectiveColor(2, 2), clLime);
    EXPECT_EQ(grid->effectiveColor(3, 2), clYellow);
    EXPECT_EQ(grid->effectiveColor(0, 2), clBtnFace);
    grid->ColorFixedCol(0, clNavy);
    EXPECT_EQ(grid->effectiveColor(0, 2), clNavy);
    EXPECT_EQ(&grid->effectiveBrush(0, 2), grid->BrushFixedCol(0));
    grid->ColorRow(2, clGray);
    EXPECT_EQ(grid->effectiveColor(0, 2), clNavy) << "the row layer is not read for fixed cells";
}

TEST_F(EffectiveValues, SelectedColoursReadCellColumnAndRowLayersEvenForFixedCells) {
    EXPECT_EQ(grid->effectiveSelectedCellColor(0, 0), clActiveCaption);
    EXPECT_EQ(grid->effectiveSelectedFontColor(0, 0), clWhite);
    grid->SelectedColorCol(0, clRed);
    grid->FixedAlignCol(1, TMyAlign::alRight);
    grid->entry(PropertyLayer::FixedCol, 1, 0)->ensureSelectedBrush(TMyBrush()).setColor(clBlue);
    EXPECT_EQ(grid->effectiveSelectedCellColor(0, 0), clRed);
    EXPECT_EQ(grid->effectiveSelectedCellColor(1, 0), clActiveCaption)
        << "the fixed layers take no part";
    grid->SelectedColorRow(0, clGreen);
    grid->SelectedColorCell(1, 0, clPurple);
    EXPECT_EQ(grid->effectiveSelectedCellColor(0, 0), clRed);
    EXPECT_EQ(grid->effectiveSelectedCellColor(2, 0), clGreen);
    EXPECT_EQ(grid->effectiveSelectedCellColor(1, 0), clPurple);

    TMyFont white;
    white.setColor(clTeal);
    grid->FontRow(3);
    grid->entry(PropertyLayer::Row, 0, 3)->setSelectedFont(&white);
    EXPECT_EQ(grid->effectiveSelectedFontColor(0, 3), clTeal);
    grid->setSelectedFontColor(clMaroon);
    EXPECT_EQ(grid->effectiveSelectedFontColor(2, 2), clMaroon);
}

TEST_F(EffectiveValues, SettersRepaintAsEachOneIsMeantTo) {
    auto repaintsBy = [this](auto change) {
        const int before = view.repaints;
        change();
        return view.repaints - before;
    };
    EXPECT_EQ(repaintsBy([&] { grid->setAlignment(TMyAlign::alLeft); }), 0);
    EXPECT_EQ(repaintsBy([&] { grid->setAlignment(TMyAlign::alCenter); }), 1);
    EXPECT_EQ(repaintsBy([&] { grid->setWordwrap(T_Wordwrap::ww_none); }), 0);
    EXPECT_GE(repaintsBy([&] { grid->setSelectedCellColor(clActiveCaption); }), 1);
    EXPECT_GE(repaintsBy([&] { grid->setSelectedFontColor(clWhite); }), 1);
    EXPECT_GE(repaintsBy([&] { grid->setFixedColor(clInfoBk); }), 1);
    EXPECT_EQ(grid->effectiveColor(0, 0), clInfoBk);
    EXPECT_GE(repaintsBy([&] { grid->AlignCell(1, 1, TMyAlign::alRight); }), 1);
    EXPECT_EQ(repaintsBy([&] { grid->EditCell(1, 1, false); }), 0);
    EXPECT_EQ(repaintsBy([&] { grid->FontCell(1, 1); }), 0);
    EXPECT_EQ(repaintsBy([&] { grid->FontCell(1, 1)->setHeight(-30); }), 1);
    EXPECT_EQ(repaintsBy([&] { grid->fixedFont().setStyle(fsItalic); }), 1);
}

// Far indices cost one entry each; negative ones have no slot at all.
TEST_F(EffectiveValues, FarIndicesCostOneEntryEachAndNegativeOnesNone) {
    grid->AlignCell(INT_MAX, INT_MAX, TMyAlign::alRight);
    grid->FontFixedRow(65535);
    grid->setHintCell(INT_MAX, INT_MAX, "far");
    grid->AlignCell(-1, 0, TMyAlign::alRight);
    grid->SelectedColorRow(-5, clRed);
    grid->setHintCell(-1, -1, "nowhere");
    EXPECT_EQ(grid->FontCol(-1), nullptr);
    EXPECT_EQ(grid->BrushCell(0, -1), nullptr);
    EXPECT_EQ(grid->putEntry(PropertyLayer::FixedCol, -2, 0, grid->newRecord())->Owner(),
              grid.get())
        << "a record for a negative index comes back unstored";
    EXPECT_EQ(grid->entryCount(PropertyLayer::Cell), 1u);
    EXPECT_EQ(grid->entryCount(PropertyLayer::FixedRow), 1u);
    EXPECT_EQ(grid->entryCount(PropertyLayer::Row) + grid->entryCount(PropertyLayer::FixedCol) +
                  grid->entryCount(PropertyLayer::Col),
              0u);
    EXPECT_EQ(grid->hints().size(), 1u);
    EXPECT_EQ(grid->HintCell(INT_MAX, INT_MAX), "far");
}

// A grid that keeps its own record class and extends the set-up step.
class TaggedGrid : public PhraseGridModel {
public:
    struct TaggedRecord : TCellProperties {
        using TCellProperties::TCellProperties;
    };
    void setup() override {
        PhraseGridModel::setup();
        setRecordClass<TaggedRecord>();
        setWordwrap(T_Wordwrap::ww_wordwrap);
    }
};

TEST(PhraseGridSetup, DerivedGridExtendsTheSetUpStepAndSubstitutesTheRecordClass) {
    const auto grid = PhraseGridModel::create<TaggedGrid>();
    EXPECT_EQ(grid->Wordwrap(), T_Wordwrap::ww_wordwrap);
    EXPECT_EQ(grid->Alignment(), TMyAlign::alLeft);
    grid->AlignCol(1, TMyAlign::alRight);
    EXPECT_NE(dynamic_cast<TaggedGrid::TaggedRecord*>(grid->entry(PropertyLayer::Col, 1, 0)),
              nullptr);

    grid->AlignRow(2, TMyAlign::alCenter);
    grid->setHintCell(1, 1, "hint");
    grid->setup();
    EXPECT_EQ(grid->entryCount(PropertyLayer::Row), 0u) << "the set-up step empties the layers";
    EXPECT_EQ(grid->hints().size(), 0u);
}

} // namespace
