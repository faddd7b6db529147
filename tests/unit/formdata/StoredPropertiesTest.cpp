#include "FormDataText.h"
#include "GridTestDoubles.h"
#include "PropertyList.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* emptyLayers =
    "PropCell = () PropCol = () PropRow = () PropFixedCol = () PropFixedRow = ()";

class StoredProperties : public ObservedPhraseGrid {
protected:
    void read(const std::string& text) { ReadPropertyList(*grid, propertyList(text)); }
    QByteArray written() { return WritePropertyList(*grid); }
    TCellProperties* entry(PropertyLayer layer, int col, int row) {
        return grid->Entry(layer, col, row);
    }
};

TEST_F(StoredProperties, LayersDecodeAsTheMainWindowsGridsStoreThem) {
    EXPECT_EQ(written(), propertyList(emptyLayers)) << "empty layers are written as ()";

    read("PropCell = (0 0 1 2 2 1 3 2 0 1 0 1 2 2 1 0) PropCol = (0 3 2 0 1 3 2 0) "
         "PropRow = (0 3 2 0) PropFixedCol = () PropFixedRow = ()");
    const TCellProperties* header0 = entry(PropertyLayer::Cell, 0, 0);
    const TCellProperties* header1 = entry(PropertyLayer::Cell, 1, 0);
    ASSERT_TRUE(header0 && header1);
    EXPECT_EQ(header0->Alignment(), TMyAlign::alCenter);
    EXPECT_EQ(header0->Wordwrap(), T_Wordwrap::ww_wordwrap);
    EXPECT_EQ(header0->Editability(), TCellEditability::ceEditable);
    EXPECT_EQ(header1->Alignment(), TMyAlign::alCenter);
    EXPECT_EQ(header1->Editability(), TCellEditability::ceNotSet);
    EXPECT_EQ(entry(PropertyLayer::Col, 1, 0)->Editability(), TCellEditability::ceEditable);
    EXPECT_EQ(entry(PropertyLayer::Row, 0, 0)->Editability(), TCellEditability::ceEditable);
    EXPECT_EQ(grid->EntryCount(PropertyLayer::Cell), 2u);
    EXPECT_EQ(grid->EntryCount(PropertyLayer::FixedCol) + grid->EntryCount(PropertyLayer::FixedRow),
              0u);
}

TEST_F(StoredProperties, LayerIndicesKeepTheirLow16BitsAndAReadRecordReplacesTheOldOne) {
    grid->AlignCell(0, 3, TMyAlign::alRight);
    read("PropCell = (65536 3 3 1 0 65537 -1 3 2 0) PropFixedRow = (65540 1 2 0)");
    EXPECT_EQ(entry(PropertyLayer::Cell, 0, 3)->Alignment(), TMyAlign::alDefault);
    EXPECT_EQ(entry(PropertyLayer::Cell, 0, 3)->Editability(), TCellEditability::ceReadOnly);
    ASSERT_NE(entry(PropertyLayer::Cell, 1, 65535), nullptr);
    ASSERT_NE(entry(PropertyLayer::FixedRow, 0, 4), nullptr);
    EXPECT_EQ(grid->EntryCount(PropertyLayer::Cell), 2u);
}

TEST_F(StoredProperties, WritingCoversStoredEntriesInsideTheGridColumnByColumn) {
    grid->setColCount(70000);
    grid->setRowCount(3);
    grid->EditCell(1, 0, true);
    grid->EditCell(0, 2, false);
    grid->EditCell(0, 1, true);
    grid->EditCell(0, 3, true);     // below the last row
    grid->EditCell(65536, 0, true); // would read back at column 0
    grid->PutEntry(PropertyLayer::Cell, 2, 2, grid->NewRecord());
    grid->EditCol(69999, true);
    grid->FixedAlignCol(2, TMyAlign::alCenter);
    grid->FixedAlignRow(5, TMyAlign::alCenter);
    EXPECT_EQ(written(), propertyList("PropCell = (0 1 3 2 0 0 2 3 1 0 1 0 3 2 0) PropCol = () "
                                      "PropRow = () PropFixedCol = (2 1 2 0) PropFixedRow = ()"));
}

TEST_F(StoredProperties, HintsAndTextsAreWrittenOnlyOnceReadAndOnlyInsideTheGrid) {
    grid->setColCount(2);
    grid->setRowCount(3);
    fillTexts(*grid);
    grid->setHintCell(1, 1, "early");
    EXPECT_EQ(written(), propertyList(emptyLayers));

    read("HintCell = (1 2 'tip' 7 7 'outside' -1 0 'dropped' 0 0 '') Cells = ()");
    EXPECT_EQ(grid->HintCell(7, 7), "outside");
    EXPECT_EQ(grid->Hints().size(), 4u);
    grid->setCells(1, 1, "");
    grid->setCells(0, 2, QByteArray(300, 'x'));
    EXPECT_EQ(written(),
              propertyList("HintCell = (0 0 '' 1 1 'early' 1 2 'tip') "
                           "Cells = (0 0 '0:0' 0 1 '0:1' 0 2 '" +
                           std::string(300, 'x') + "' 1 0 '1:0' 1 2 '1:2') " + emptyLayers));
}

TEST_F(StoredProperties, AfterLoadingPendingTextsReplaceEveryTextOfTheGrid) {
    fillTexts(*grid);
    read("Cells = (0 0 'a' 3 1 'first' 3 1 'b' 2147483647 2147483647 'far' -1 -1 'neg')");
    EXPECT_EQ(grid->Cells(0, 0), "0:0") << "texts wait for the after-loading step";
    EXPECT_EQ(grid->PendingCells().size(), 3u);
    grid->Loaded();
    for (int col = 0; col < grid->ColCount(); ++col) {
        for (int row = 0; row < grid->RowCount(); ++row) {
            const QByteArray expected = col == 0 && row == 0   ? "a"
                                        : col == 3 && row == 1 ? "b"
                                                               : "";
            EXPECT_EQ(grid->Cells(col, row), expected) << col << ',' << row;
        }
    }
    EXPECT_TRUE(grid->PendingCells().empty());
    grid->setCells(4, 4, "typed");
    grid->Loaded();
    EXPECT_EQ(grid->Cells(4, 4), "typed") << "the pending texts are applied once";
}

TEST_F(StoredProperties, AWrittenGridReadsBackToTheSameBytes) {
    grid->setColCount(3);
    read("HintCell = () Cells = ()");
    grid->setCells(2, 4, QByteArray(70000, 'L'));
    grid->setHintCell(0, 1, QByteArray(256, 'h'));
    grid->AlignCol(2, TMyAlign::alCenter);
    grid->FontRow(3)->setName(QByteArray(400, 'F'));
    grid->FontCell(1, 1)->setStyle(fsBold | fsItalic | fsUnderline | fsStrikeOut);
    grid->SelectedColorCell(1, 1, clHighlight);
    grid->ColorFixedCol(0, clBtnFace);
    grid->BrushFixedRow(0)->setStyle(TBrushStyle::bsBDiagonal);
    const QByteArray first = written();

    auto copy = PhraseGridModel::Create();
    copy->setColCount(3);
    ReadPropertyList(*copy, first);
    copy->Loaded();
    EXPECT_EQ(WritePropertyList(*copy), first);
    EXPECT_EQ(copy->Cells(2, 4).size(), 70000);
    EXPECT_EQ(copy->EffectiveSelectedCellColor(1, 1), clHighlight);
    EXPECT_EQ(copy->EffectiveColor(0, 0), clBtnFace);
}

TEST_F(StoredProperties, AnUnknownPropertyIsPassedOver) {
    read("Future = (1 'x' {00ff} (-70000 ())) PropCol = (0 3 2 0) Other = 5");
    EXPECT_EQ(entry(PropertyLayer::Col, 0, 0)->Editability(), TCellEditability::ceEditable);
}

} // namespace
