#include "FormDataText.h"
#include "GridTestDoubles.h"
#include "PhraseGridDesigns.h"
#include "PropertyList.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string textPage = "PropCell = (0 0 3 2 0) PropCol = (0 3 2 0) PropRow = (0 3 2 0) "
                             "PropFixedCol = () PropFixedRow = ()";
const std::string smileys = "Cells = (0 0 'Smiley' 1 0 'Name') PropCell = (0 0 1 2 2 1 3 2 0 1 0 "
                            "1 2 2 1 0) PropCol = (0 3 2 0 1 3 2 0) PropRow = (0 3 2 0) "
                            "PropFixedCol = () PropFixedRow = ()";

// Applying a design and writing the grid again gives the stored bytes: every entry was read
// into its place and nothing else was added.
TEST(PhraseGridDesigns, TextPagesGetTheirLayersAndKeepTheirTexts) {
    const GridDesign design = TextPageGridDesign();
    EXPECT_EQ(design.properties, propertyList(textPage));
    auto grid = PhraseGridModel::Create();
    grid->setCells(0, 0, "kept");
    ApplyGridDesign(*grid, design);
    EXPECT_EQ(grid->ColCount(), 1);
    EXPECT_EQ(grid->RowCount(), 100);
    EXPECT_EQ(grid->FixedCols() + grid->FixedRows(), 0);
    EXPECT_EQ(grid->Cells(0, 0), "kept") << "without stored cell texts the texts stay";
    EXPECT_EQ(grid->Entry(PropertyLayer::Cell, 0, 0)->Editability(), TCellEditability::ceEditable);
    EXPECT_EQ(WritePropertyList(*grid), design.properties);
}

TEST(PhraseGridDesigns, TheSmileysGridGetsItsHeaderRowTextsAndAlignment) {
    const GridDesign design = SmileysGridDesign();
    EXPECT_EQ(design.properties, propertyList(smileys));
    // One column to begin with: the counts must come first, or "Name" would be dropped.
    auto grid = PhraseGridModel::Create();
    grid->setColCount(1);
    grid->setCells(0, 3, "old");
    ApplyGridDesign(*grid, design);
    EXPECT_EQ(grid->ColCount(), 2);
    EXPECT_EQ(grid->RowCount(), 100);
    EXPECT_EQ(grid->FixedCols(), 0);
    EXPECT_EQ(grid->FixedRows(), 1);
    EXPECT_EQ(columnTexts(*grid, 0), "Smiley|" + QByteArray(99, '|'));
    EXPECT_EQ(columnTexts(*grid, 1), "Name|" + QByteArray(99, '|'));
    const TCellProperties* name = grid->Entry(PropertyLayer::Cell, 1, 0);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->Alignment(), TMyAlign::alCenter);
    EXPECT_EQ(name->Wordwrap(), T_Wordwrap::ww_wordwrap);
    EXPECT_EQ(name->Editability(), TCellEditability::ceNotSet);
    EXPECT_TRUE(grid->EffectiveEditable(1, 5));
    EXPECT_EQ(WritePropertyList(*grid), design.properties);
}

} // namespace
