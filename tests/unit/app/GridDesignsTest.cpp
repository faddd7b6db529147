#include "app/PhraseGridDesigns.h"
#include "grid/formdata/PropertyList.h"
#include "support/grid/FormDataText.h"
#include "support/grid/GridTestDoubles.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string textPage = "PropCell = (0 0 3 2 0) PropCol = (0 3 2 0) PropRow = (0 3 2 0) "
                             "PropFixedCol = () PropFixedRow = ()";
const std::string smileys = "Cells = (0 0 'Smiley' 1 0 'Name') PropCell = (0 0 1 2 2 1 3 2 0 1 0 "
                            "1 2 2 1 0) PropCol = (0 3 2 0 1 3 2 0) PropRow = (0 3 2 0) "
                            "PropFixedCol = () PropFixedRow = ()";

// A design applied and the grid written again gives the stored bytes back.
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
    EXPECT_EQ(grid->Cells(1, 0), "Name");
    EXPECT_EQ(grid->EffectiveAlignment(1, 0), TMyAlign::alCenter);
    // Written back the same: every stored text and entry is in place, the old text gone.
    EXPECT_EQ(WritePropertyList(*grid), design.properties);
}

} // namespace
