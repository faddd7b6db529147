#include "FormDataText.h"
#include "GridTestDoubles.h"
#include "PropertyList.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>

namespace {

class OlderProperties : public ObservedPhraseGrid {
protected:
    void read(const std::string& text) { ReadPropertyList(*grid, propertyList(text)); }
    const TCellProperties& entry(PropertyLayer layer, int col, int row) {
        const TCellProperties* found = grid->Entry(layer, col, row);
        EXPECT_NE(found, nullptr) << int(layer) << ' ' << col << ',' << row;
        static const TCellProperties none(nullptr);
        return found ? *found : none;
    }
};

TEST_F(OlderProperties, BinaryBlocksSetAlignmentAndEditabilityRecordByRecord) {
    read("AlignCell = {0100 0200 02  ffff 0000 00  0300 01}" // the partial record is ignored
         " AlignCol = {0500 02} FixedAlignCol = {0600 00} AlignRow = {0700 01}"
         " FixedAlignRow = {0800 02 09}"
         " EditCell = {0200 0300 00  0400 0500 01} EditCol = {0a00 01} EditRow = {0b00 00}");
    EXPECT_EQ(entry(PropertyLayer::Cell, 1, 2).Alignment(), TMyAlign::alCenter);
    EXPECT_EQ(entry(PropertyLayer::Cell, 65535, 0).Alignment(), TMyAlign::alRight);
    EXPECT_EQ(entry(PropertyLayer::Col, 5, 0).Alignment(), TMyAlign::alCenter);
    EXPECT_EQ(entry(PropertyLayer::FixedCol, 6, 0).Alignment(), TMyAlign::alRight);
    EXPECT_EQ(entry(PropertyLayer::Row, 0, 7).Alignment(), TMyAlign::alLeft);
    EXPECT_EQ(entry(PropertyLayer::FixedRow, 0, 8).Alignment(), TMyAlign::alCenter);
    EXPECT_EQ(entry(PropertyLayer::Cell, 2, 3).Editability(), TCellEditability::ceReadOnly);
    EXPECT_EQ(entry(PropertyLayer::Cell, 4, 5).Editability(), TCellEditability::ceEditable);
    EXPECT_EQ(entry(PropertyLayer::Col, 10, 0).Editability(), TCellEditability::ceEditable);
    EXPECT_EQ(entry(PropertyLayer::Row, 0, 11).Editability(), TCellEditability::ceReadOnly);
    EXPECT_EQ(grid->EntryCount(PropertyLayer::Cell), 4u);
}

TEST_F(OlderProperties, FontAndBrushListsCutIndicesAndColourListsKeepThem) {
    const std::string font = " 255 -15 'Courier' 2 3";
    read("FontCell = (65537 2" + font + ") FontCol = (1" + font + ") FontFixedCol = (2" + font +
         ") FontRow = (3" + font + ") FontFixedRow = (65540" + font +
         ")"
         " BrushCell = (-65535 2 65280 6) BrushCol = (1 65280 6) BrushFixedCol = (2 65280 6)"
         " BrushRow = (3 65280 6) BrushFixedRow = (4 65280 6)"
         " ColorCell = (2147483647 2147483647 -2147483633 -1 0 5) ColorCol = (70000 16776960)"
         " ColorFixedCol = (7 1) ColorRow = (8 128) ColorFixedRow = (9 32896)"
         " SelectedColorCell = (5 5 4) SelectedColorCol = (6 5) SelectedColorRow = (-7 6)");
    const std::pair<PropertyLayer, GridCell> fonts[] = {{PropertyLayer::Cell, {1, 2}},
                                                        {PropertyLayer::Col, {1, 0}},
                                                        {PropertyLayer::FixedCol, {2, 0}},
                                                        {PropertyLayer::Row, {0, 3}},
                                                        {PropertyLayer::FixedRow, {0, 4}}};
    for (const auto& [layer, cell] : fonts) {
        const TMyFont* read = entry(layer, cell.col, cell.row).Font();
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(read->Name(), "Courier");
        EXPECT_EQ(read->Height(), -15);
        EXPECT_EQ(read->Pitch(), TFontPitch::fpFixed);
        EXPECT_EQ(read->Style(), fsBold | fsItalic);
        const TMyBrush* brush = entry(layer, cell.col, cell.row).Brush();
        ASSERT_NE(brush, nullptr);
        EXPECT_EQ(brush->Color(), clLime);
        EXPECT_EQ(brush->Style(), TBrushStyle::bsCross);
    }
    EXPECT_EQ(entry(PropertyLayer::Cell, INT_MAX, INT_MAX).Brush()->Color(), clBtnFace);
    EXPECT_EQ(entry(PropertyLayer::Col, 70000, 0).Brush()->Color(), clAqua);
    EXPECT_EQ(entry(PropertyLayer::Row, 0, 8).Brush()->Color(), clMaroon);
    EXPECT_EQ(entry(PropertyLayer::FixedRow, 0, 9).Brush()->Color(), clOlive);
    EXPECT_EQ(grid->EffectiveSelectedCellColor(5, 5), 4);
    EXPECT_EQ(entry(PropertyLayer::Col, 6, 0).SelectedBrush()->Color(), 5);
    EXPECT_EQ(grid->EntryCount(PropertyLayer::Row), 2u) << "a negative index has no entry";

    // Only the layers are written back, now holding what the older properties set.
    grid->setColCount(2);
    grid->setRowCount(2);
    EXPECT_EQ(WritePropertyList(*grid),
              propertyList("PropCell = () PropCol = (1 4 65280 6 6 255 -15 'Courier' 2 3 0)"
                           " PropRow = () PropFixedCol = () PropFixedRow = ()"));
}

} // namespace
