#include "app/PhraseGridDesigns.h"
#include "grid/formdata/PropertyList.h"
#include "support/grid/FormDataText.h"
#include "support/grid/GridTestDoubles.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kTextPage = "PropCell = (0 0 3 2 0) PropCol = (0 3 2 0) PropRow = (0 3 2 0) "
                              "PropFixedCol = () PropFixedRow = ()";
const std::string kSmileys = "Cells = (0 0 'Smiley' 1 0 'Name') PropCell = (0 0 1 2 2 1 3 2 0 1 0 "
                             "1 2 2 1 0) PropCol = (0 3 2 0 1 3 2 0) PropRow = (0 3 2 0) "
                             "PropFixedCol = () PropFixedRow = ()";

// A design applied and the grid written again gives the stored bytes back.
TEST(PhraseGridDesigns, TextPagesGetTheirLayersAndKeepTheirTexts) {
    const GridDesign design = textPageGridDesign();
    EXPECT_EQ(design.properties, propertyList(kTextPage));
    auto grid = PhraseGridModel::create();
    grid->setCells(0, 0, "kept");
    applyGridDesign(*grid, design);
    EXPECT_EQ(grid->ColCount(), 1);
    EXPECT_EQ(grid->RowCount(), 100);
    EXPECT_EQ(grid->FixedCols() + grid->FixedRows(), 0);
    EXPECT_EQ(grid->Cells(0, 0), "kept") << "without stored cell texts the texts stay";
    EXPECT_EQ(writePropertyList(*grid), design.properties);
}

TEST(PhraseGridDesigns, TheSmileysGridGetsItsHeaderRowTextsAndAlignment) {
    const GridDesign design = smileysGridDesign();
    EXPECT_EQ(design.properties, propertyList(kSmileys));
    // One column to begin with: the counts must come first, or "Name" would be dropped.
    auto grid = PhraseGridModel::create();
    grid->setColCount(1);
    grid->setCells(0, 3, "old");
    applyGridDesign(*grid, design);
    EXPECT_EQ(grid->ColCount(), 2);
    EXPECT_EQ(grid->RowCount(), 100);
    EXPECT_EQ(grid->FixedCols(), 0);
    EXPECT_EQ(grid->FixedRows(), 1);
    EXPECT_EQ(grid->Cells(1, 0), "Name");
    EXPECT_EQ(grid->effectiveAlignment(1, 0), TMyAlign::alCenter);
    // Written back the same: every stored text and entry is in place, the old text gone.
    EXPECT_EQ(writePropertyList(*grid), design.properties);
}

} // namespace
