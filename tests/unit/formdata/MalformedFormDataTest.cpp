#include "FormDataText.h"
#include "GridTestDoubles.h"
#include "PropertyList.h"
#include "QuipError.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using MalformedFormData = ObservedPhraseGrid;

TEST_F(MalformedFormData, WrongTypesAndTruncatedDataAreInvalidValues) {
    const char* wrong[] = {"PropCell = ('0' 0 0)",    "PropCol = 5",
                           "PropRow = (0 'x')",       "Cells = (0 0 5)",
                           "HintCell = (0 () 'x')",   "AlignCell = ()",
                           "FontCol = (1 0 0 0 0 0)", "ColorCell = (1 1 'red')"};
    for (const char* text : wrong) {
        EXPECT_THROW(ReadPropertyList(*grid, propertyList(text)), QuipError) << text;
    }
    // A full list cut short anywhere, its closing empty name included.
    const QByteArray whole = propertyList(
        "HintCell = (1 1 'h') Cells = (0 0 'c') PropCell = (0 0 1 2 4 255 0 6 0 -11 'T' 0 1 0)"
        " EditCol = {0100 01} FontRow = (1 0 -11 'A' 0 0) SelectedColorCol = (1 300000)");
    for (qsizetype cut = 0; cut < whole.size(); ++cut) {
        auto fresh = PhraseGridModel::Create();
        EXPECT_THROW(ReadPropertyList(*fresh, whole.left(cut)), QuipError) << cut;
    }
    EXPECT_NO_THROW(ReadPropertyList(*grid, whole));
}

TEST_F(MalformedFormData, HugeIndicesCostOneEntryEachAndNegativeOnesAreIgnored) {
    grid->setColCount(INT_MAX);
    grid->setRowCount(INT_MAX);
    const std::string far = "2147483647 2147483647 ";
    const long long before = heapInUse();
    ReadPropertyList(*grid,
                     propertyList("HintCell = (" + far + "'h' -1 0 'x') Cells = (" + far +
                                  "'c' 0 -5 'y') PropCell = (65535 65535 3 1 0) PropRow = (65535 "
                                  "3 2 0) ColorCell = (" +
                                  far + "255 -3 -3 0) ColorCol = (" +
                                  "2147483647 255 -1 0) SelectedColorRow = (2147483646 7)"));
    grid->ColorCell(INT_MAX - 1, INT_MAX - 1, clRed);
    grid->Loaded();
    const QByteArray written = WritePropertyList(*grid);
    EXPECT_LT(heapInUse() - before, 1 << 20);
    EXPECT_EQ(written, propertyList("HintCell = () Cells = () PropCell = (65535 65535 3 1 0) "
                                    "PropCol = () PropRow = (65535 3 2 0) PropFixedCol = () "
                                    "PropFixedRow = ()"));

    EXPECT_EQ(grid->Hints().size(), 1u);
    EXPECT_EQ(grid->EntryCount(PropertyLayer::Cell), 3u);
    EXPECT_EQ(grid->EntryCount(PropertyLayer::Col), 1u);
    EXPECT_EQ(grid->EntryCount(PropertyLayer::Row), 2u);
    EXPECT_EQ(grid->EffectiveColor(INT_MAX, INT_MAX), clRed);
}

} // namespace
