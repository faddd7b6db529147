#include "CellProperties.h"
#include "FormDataReader.h"
#include "FormDataText.h"
#include "FormDataWriter.h"
#include "GridTestDoubles.h"
#include "PropertyList.h"

#include <gtest/gtest.h>

namespace {

QByteArray items(const TCellProperties& record) {
    FormDataWriter writer;
    record.WriteItems(writer);
    return writer.data();
}

void readItems(TCellProperties& record, const char* text) {
    FormDataReader reader(formValues(text));
    record.ReadItems(reader);
    EXPECT_TRUE(reader.atEnd());
}

using RecordItems = ObservedPhraseGrid;

TEST_F(RecordItems, ItemsAreWrittenInTagOrderOnlyForWhatIsSet) {
    TCellProperties record(grid.get());
    EXPECT_EQ(items(record), formValues("0"));
    record.setEditability(TCellEditability::ceEditable);
    EXPECT_EQ(items(record), formValues("3 2 0"));

    TMyFont font;
    font.setColor(clWindowText);
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
    EXPECT_EQ(items(record), formValues("1 0 2 200 3 2 4 -2147483646 7 "
                                        "7 -2147483640 -11 'Tahoma' 1 5 0"));

    TCellProperties copy(grid.get());
    FormDataReader reader(items(record));
    copy.ReadItems(reader);
    EXPECT_EQ(items(copy), items(record));
    ASSERT_NE(copy.SelectedFont(), nullptr);
    EXPECT_TRUE(copy.SelectedFont()->sameAttributes(font));
    EXPECT_EQ(copy.SelectedBrush(), nullptr);
}

TEST_F(RecordItems, ReadingKeepsLowBytesSkipsUnknownTagsAndWiresObjectsToRepaint) {
    TCellProperties record(grid.get());
    readItems(record, "9 1 258 42 2 -1 3 513 0");
    EXPECT_EQ(record.Alignment(), TMyAlign::alCenter);
    EXPECT_EQ(record.Wordwrap(), static_cast<T_Wordwrap>(255));
    EXPECT_EQ(record.Editability(), TCellEditability::ceReadOnly);

    readItems(record, "5 255 1 6 16777215 -13 'Arial' 2 8 0");
    ASSERT_NE(record.SelectedBrush(), nullptr);
    EXPECT_EQ(record.SelectedBrush()->Color(), clRed);
    EXPECT_EQ(record.SelectedBrush()->Style(), TBrushStyle::bsClear);
    ASSERT_NE(record.Font(), nullptr);
    EXPECT_EQ(record.Font()->Height(), -13);
    EXPECT_EQ(record.Font()->Style(), fsStrikeOut);
    const int before = view.repaints;
    record.Font()->setHeight(-20);
    record.SelectedBrush()->setColor(clLime);
    EXPECT_EQ(view.repaints, before + 2);
}

// A record class of a derived grid with one setting of its own, stored under tag 8.
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

TEST_F(RecordItems, ADerivedRecordClassStoresItsOwnItems) {
    grid->setRecordClass<MarkedRecord>();
    ReadPropertyList(*grid, propertyList("PropRow = (2 8 77 3 1 0)"));
    auto* read = dynamic_cast<MarkedRecord*>(grid->Entry(PropertyLayer::Row, 0, 2));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->mark, 77);
    EXPECT_EQ(read->Editability(), TCellEditability::ceReadOnly);
    EXPECT_EQ(WritePropertyList(*grid), propertyList("PropCell = () PropCol = () "
                                                     "PropRow = (2 3 1 8 77 0) "
                                                     "PropFixedCol = () PropFixedRow = ()"));
}

} // namespace
