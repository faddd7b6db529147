#include "grid/formdata/FormDataReader.h"
#include "grid/formdata/FormDataWriter.h"
#include "grid/formdata/PropertyList.h"
#include "runtime/QuipError.h"
#include "support/grid/FormDataText.h"
#include "support/grid/GridTestDoubles.h"

#include <gtest/gtest.h>

#include <malloc.h>

#include <climits>
#include <string>

namespace {

constexpr const char* emptyLayers =
    "PropCell = () PropCol = () PropRow = () PropFixedCol = () PropFixedRow = ()";

class GridFormData : public ObservedPhraseGrid {
protected:
    void read(const std::string& text) { readPropertyList(*grid, propertyList(text)); }
    QByteArray written() { return writePropertyList(*grid); }
    TCellProperties& entry(PropertyLayer layer, int col, int row) {
        TCellProperties* found = grid->entry(layer, col, row);
        if (!found) {
            throw std::out_of_range("no entry at " + std::to_string(col) + ',' +
                                    std::to_string(row));
        }
        return *found;
    }
};

QByteArray items(const TCellProperties& record) {
    FormDataWriter writer;
    record.writeItems(writer);
    return writer.data();
}

TEST_F(GridFormData, RecordItemsAreWrittenInTagOrderOnlyForWhatIsSet) {
    EXPECT_EQ(written(), propertyList(emptyLayers)) << "empty layers are written as ()";
    TCellProperties record(grid.get());
    record.setEditability(TCellEditability::ceEditable);
    EXPECT_EQ(items(record), formValues("3 2 0"));

    TMyFont font;
    font.setName("Tahoma");
    font.setPitch(TFontPitch::fpVariable);
    font.setStyle(fsBold | fsUnderline);
    record.setSelectedFont(&font);
    TMyBrush brush;
    brush.setColor(clActiveCaption);
    brush.setStyle(TBrushStyle::bsDiagCross);
    record.setBrush(&brush);
    record.setAlignment(TMyAlign::alRight);
    record.setWordwrap(static_cast<T_Wordwrap>(200));
    EXPECT_EQ(items(record),
              formValues("1 0 2 200 3 2 4 -2147483646 7 7 -2147483640 -11 'Tahoma' 1 5 0"));
    TCellProperties copy(grid.get());
    FormDataReader reader(items(record));
    copy.readItems(reader);
    EXPECT_EQ(items(copy), items(record));
}

TEST_F(GridFormData, ReadingItemsKeepsLowBytesSkipsUnknownTagsAndWiresObjectsToRepaint) {
    TCellProperties record(grid.get());
    FormDataReader reader(formValues("9 1 258 42 2 -1 3 513 5 255 1 6 16777215 -13 'Arial' 2 8 0"));
    record.readItems(reader);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(record.Alignment(), TMyAlign::alCenter);
    EXPECT_EQ(record.Wordwrap(), static_cast<T_Wordwrap>(255));
    EXPECT_EQ(record.editability(), TCellEditability::ceReadOnly);
    ASSERT_TRUE(record.selectedBrush() && record.Font());
    EXPECT_EQ(record.selectedBrush()->Style(), TBrushStyle::bsClear);
    EXPECT_EQ(items(record), formValues("1 2 2 255 3 1 5 255 1 6 16777215 -13 'Arial' 2 8 0"));
    const int before = view.repaints;
    record.Font()->setHeight(-20);
    record.selectedBrush()->setColor(clLime);
    EXPECT_EQ(view.repaints, before + 2);
}

// A derived grid's record class with one setting of its own, stored under tag 8.
struct MarkedRecord : TCellProperties {
    using TCellProperties::TCellProperties;
    void WriteData(FormDataWriter& writer) const override {
        TCellProperties::WriteData(writer);
        if (mark) {
            writer.writeInteger(8);
            writer.writeInteger(mark);
        }
    }
    void ReadItem(FormDataReader& reader, int tag) override {
        if (tag == 8) {
            mark = reader.readInteger();
        } else {
            TCellProperties::ReadItem(reader, tag);
        }
    }
    bool IsEmpty() const override { return !mark && TCellProperties::IsEmpty(); }
    int mark = 0;
};

TEST_F(GridFormData, ADerivedRecordClassStoresItsOwnItems) {
    grid->setRecordClass<MarkedRecord>();
    read("PropRow = (2 8 77 3 1 0)");
    EXPECT_EQ(dynamic_cast<MarkedRecord&>(entry(PropertyLayer::Row, 0, 2)).mark, 77);
    EXPECT_EQ(written(), propertyList("PropCell = () PropCol = () PropRow = (2 3 1 8 77 0) "
                                      "PropFixedCol = () PropFixedRow = ()"));
}

TEST_F(GridFormData, LayerIndicesKeepTheirLow16BitsAndAReadRecordReplacesTheOldOne) {
    grid->AlignCell(0, 3, TMyAlign::alRight);
    read("PropCell = (65536 3 3 1 0 65537 -1 3 2 0) PropFixedRow = (65540 1 2 0)");
    EXPECT_EQ(entry(PropertyLayer::Cell, 0, 3).Alignment(), TMyAlign::alDefault);
    EXPECT_EQ(entry(PropertyLayer::Cell, 0, 3).editability(), TCellEditability::ceReadOnly);
    EXPECT_EQ(entry(PropertyLayer::Cell, 1, 65535).editability(), TCellEditability::ceEditable);
    EXPECT_EQ(entry(PropertyLayer::FixedRow, 0, 4).Alignment(), TMyAlign::alCenter);
}

TEST_F(GridFormData, WritingCoversStoredEntriesInsideTheGridColumnByColumn) {
    grid->setColCount(70000);
    grid->setRowCount(3);
    grid->EditCell(1, 0, true);
    grid->EditCell(0, 2, false);
    grid->EditCell(0, 1, true);
    grid->EditCell(0, 3, true);     // below the last row
    grid->EditCell(65536, 0, true); // would read back at column 0
    grid->putEntry(PropertyLayer::Cell, 2, 2, grid->newRecord());
    grid->EditCol(69999, true);
    grid->FixedAlignCol(2, TMyAlign::alCenter);
    grid->FixedAlignRow(5, TMyAlign::alCenter);
    EXPECT_EQ(written(), propertyList("PropCell = (0 1 3 2 0 0 2 3 1 0 1 0 3 2 0) PropCol = () "
                                      "PropRow = () PropFixedCol = (2 1 2 0) PropFixedRow = ()"));
}

TEST_F(GridFormData, HintsAndTextsAreWrittenOnlyOnceReadAndOnlyInsideTheGrid) {
    grid->setColCount(2);
    grid->setRowCount(3);
    fillTexts(*grid);
    grid->setHintCell(1, 1, "early");
    read("Unknown = (1 'x' {00ff} (-70000 ())) HintCell = (1 2 'tip' 7 7 'outside' -1 0 'x' "
         "0 0 '') Cells = ()");
    EXPECT_EQ(grid->HintCell(7, 7), "outside");
    EXPECT_EQ(grid->hints().size(), 4u);
    grid->setCells(1, 1, "");
    grid->setCells(0, 2, QByteArray(300, 'x'));
    EXPECT_EQ(written(),
              propertyList("HintCell = (0 0 '' 1 1 'early' 1 2 'tip') Cells = (0 0 "
                           "'0:0' 0 1 '0:1' 0 2 '" +
                           std::string(300, 'x') + "' 1 0 '1:0' 1 2 '1:2') " + emptyLayers));
}

TEST_F(GridFormData, AfterLoadingPendingTextsReplaceEveryTextOnce) {
    fillTexts(*grid);
    read("Cells = (0 0 'a' 3 1 'first' 3 1 'b' 2147483647 2147483647 'far' -1 -1 'neg')");
    EXPECT_EQ(grid->Cells(0, 0), "0:0") << "texts wait for the after-loading step";
    EXPECT_EQ(grid->pendingCells().size(), 3u);
    grid->Loaded();
    EXPECT_EQ(columnTexts(*grid, 0), "a|||||");
    EXPECT_EQ(columnTexts(*grid, 3), "|b||||");
    EXPECT_EQ(columnTexts(*grid, 1) + columnTexts(*grid, 2) + columnTexts(*grid, 4),
              QByteArray(15, '|'));
    grid->setCells(4, 4, "typed");
    grid->Loaded();
    EXPECT_EQ(grid->Cells(4, 4), "typed");
}

TEST_F(GridFormData, AWrittenGridReadsBackToTheSameBytes) {
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

    auto copy = PhraseGridModel::create();
    copy->setColCount(3);
    readPropertyList(*copy, first);
    copy->Loaded();
    EXPECT_EQ(writePropertyList(*copy), first);
    EXPECT_EQ(copy->Cells(2, 4).size(), 70000);
    EXPECT_EQ(copy->effectiveSelectedCellColor(1, 1), clHighlight);
}

TEST_F(GridFormData, OlderBinaryBlocksSetAlignmentAndEditabilityRecordByRecord) {
    read("AlignCell = {0100 0200 02  ffff 0000 00  0300 01} AlignCol = {0500 02}" // partial
         " FixedAlignCol = {0600 00} AlignRow = {0700 01} FixedAlignRow = {0800 02 09}"
         " EditCell = {0200 0300 00  0400 0500 01} EditCol = {0a00 01} EditRow = {0b00 00}");
    EXPECT_EQ(entry(PropertyLayer::Cell, 1, 2).Alignment(), TMyAlign::alCenter);
    EXPECT_EQ(entry(PropertyLayer::Cell, 65535, 0).Alignment(), TMyAlign::alRight);
    EXPECT_EQ(entry(PropertyLayer::Col, 5, 0).Alignment(), TMyAlign::alCenter);
    EXPECT_EQ(entry(PropertyLayer::FixedCol, 6, 0).Alignment(), TMyAlign::alRight);
    EXPECT_EQ(entry(PropertyLayer::Row, 0, 7).Alignment(), TMyAlign::alLeft);
    EXPECT_EQ(entry(PropertyLayer::FixedRow, 0, 8).Alignment(), TMyAlign::alCenter);
    EXPECT_EQ(entry(PropertyLayer::Cell, 2, 3).editability(), TCellEditability::ceReadOnly);
    EXPECT_EQ(entry(PropertyLayer::Cell, 4, 5).editability(), TCellEditability::ceEditable);
    EXPECT_EQ(entry(PropertyLayer::Col, 10, 0).editability(), TCellEditability::ceEditable);
    EXPECT_EQ(entry(PropertyLayer::Row, 0, 11).editability(), TCellEditability::ceReadOnly);
    EXPECT_EQ(grid->entryCount(PropertyLayer::Cell), 4u);
}

TEST_F(GridFormData, OlderFontAndBrushListsCutIndicesAndColourListsKeepThem) {
    const std::string font = " 255 -15 'Courier' 2 3";
    read("FontCell = (65537 2" + font + ") FontCol = (1" + font + ") FontFixedCol = (2" + font +
         ") FontRow = (3" + font + ") FontFixedRow = (65540" + font +
         ") BrushCell = (-65535 2 "
         "65280 6) BrushCol = (1 65280 6) BrushFixedCol = (2 65280 6) BrushRow = (3 65280 6) "
         "BrushFixedRow = (4 65280 6) ColorCell = (2147483647 2147483647 -2147483633 -1 0 5) "
         "ColorCol = (70000 16776960) ColorFixedCol = (7 1) ColorRow = (8 128) "
         "ColorFixedRow = (9 32896) SelectedColorCell = (5 5 4) SelectedColorCol = (6 5) "
         "SelectedColorRow = (-7 6)");
    const GridCell fonts[] = {{1, 2}, {1, 0}, {2, 0}, {0, 3}, {0, 4}};
    const PropertyLayer layers[] = {PropertyLayer::Cell, PropertyLayer::Col,
                                    PropertyLayer::FixedCol, PropertyLayer::Row,
                                    PropertyLayer::FixedRow};
    for (int i = 0; i < 5; ++i) {
        const TCellProperties& e = entry(layers[i], fonts[i].col, fonts[i].row);
        ASSERT_TRUE(e.Font() && e.Brush());
        EXPECT_EQ(e.Font()->Name(), "Courier");
        EXPECT_EQ(e.Font()->Style(), fsBold | fsItalic);
        EXPECT_EQ(e.Brush()->Color(), clLime);
        EXPECT_EQ(e.Brush()->Style(), TBrushStyle::bsCross);
    }
    EXPECT_EQ(entry(PropertyLayer::Cell, INT_MAX, INT_MAX).Brush()->Color(), clBtnFace);
    EXPECT_EQ(entry(PropertyLayer::Col, 70000, 0).Brush()->Color(), clAqua);
    EXPECT_EQ(entry(PropertyLayer::FixedRow, 0, 9).Brush()->Color(), clOlive);
    EXPECT_EQ(entry(PropertyLayer::Col, 6, 0).selectedBrush()->Color(), 5);
    EXPECT_EQ(grid->effectiveSelectedCellColor(5, 5), 4);
    EXPECT_EQ(grid->entryCount(PropertyLayer::Row), 2u) << "a negative index has no entry";

    grid->setColCount(2);
    grid->setRowCount(2);
    EXPECT_EQ(written(), propertyList("PropCell = () PropCol = (1 4 65280 6 6 255 -15 'Courier' "
                                      "2 3 0) PropRow = () PropFixedCol = () PropFixedRow = ()"))
        << "older properties are never written";
}

TEST_F(GridFormData, WrongTypesAndTruncatedDataAreInvalidValues) {
    for (const char* text : {"PropCell = ('0' 0 0)", "PropCol = 5", "PropRow = (0 'x')",
                             "Cells = (0 0 5)", "HintCell = (0 () 'x')", "AlignCell = ()",
                             "FontCol = (1 0 0 0 0 0)", "ColorCell = (1 1 'red')"}) {
        EXPECT_THROW(read(text), QuipError) << text;
    }
    const QByteArray whole = propertyList(
        "HintCell = (1 1 'h') Cells = (0 0 'c') PropCell = (0 0 1 2 4 255 0 6 0 -11 'T' 0 1 0)"
        " EditCol = {0100 01} FontRow = (1 0 -11 'A' 0 0) SelectedColorCol = (1 300000)");
    for (qsizetype cut = 0; cut < whole.size(); ++cut) {
        EXPECT_THROW(readPropertyList(*PhraseGridModel::create(), whole.left(cut)), QuipError);
    }
}

TEST_F(GridFormData, HugeIndicesCostOneEntryEachAndNegativeOnesAreIgnored) {
    grid->setColCount(INT_MAX);
    grid->setRowCount(INT_MAX);
    const std::string far = "2147483647 2147483647 ";
    const auto heap = [] { return mallinfo2().uordblks + mallinfo2().hblkhd; };
    const std::size_t before = heap();
    read("HintCell = (" + far + "'h' -1 0 'x') Cells = (" + far +
         "'c' 0 -5 'y') PropCell = "
         "(65535 65535 3 1 0) PropRow = (65535 3 2 0) ColorCell = (" +
         far +
         "255 -3 -3 0) "
         "ColorCol = (2147483647 255 -1 0) SelectedColorRow = (2147483646 7)");
    grid->ColorCell(INT_MAX - 1, INT_MAX - 1, clRed);
    grid->Loaded();
    const QByteArray bytesWritten = written();
    EXPECT_LT(heap() - before, 1u << 20);
    EXPECT_EQ(bytesWritten, propertyList("HintCell = () Cells = () PropCell = (65535 65535 3 1 0) "
                                         "PropCol = () PropRow = (65535 3 2 0) PropFixedCol = () "
                                         "PropFixedRow = ()"));
    EXPECT_EQ(grid->hints().size(), 1u);
    EXPECT_EQ(grid->entryCount(PropertyLayer::Cell) + grid->entryCount(PropertyLayer::Col) +
                  grid->entryCount(PropertyLayer::Row),
              6u);
}

} // namespace
