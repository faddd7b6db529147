#include "grid/model/CellProperties.h"
#include "grid/model/PhraseGridModel.h"
#include "support/grid/GridTestDoubles.h"

#include <gtest/gtest.h>

namespace {

// A font unlike the default in every attribute.
struct BoldCourier : TMyFont {
    BoldCourier() {
        setColor(clRed);
        setHeight(-16);
        setName("Courier New");
        setPitch(TFontPitch::fpFixed);
        setStyle(fsBold | fsUnderline);
    }
};

using CellPropertiesTest = ObservedPhraseGrid;

TEST_F(CellPropertiesTest, NewRecordIsEmptyAndAnySingleSettingMakesItNot) {
    TCellProperties record(grid.get());
    EXPECT_TRUE(record.IsEmpty());

    record.setAlignment(static_cast<TMyAlign>(200));
    EXPECT_FALSE(record.IsEmpty()) << "an unknown stored byte counts as set";
    record.setAlignment(TMyAlign::alDefault);
    record.setWordwrap(T_Wordwrap::ww_none);
    EXPECT_FALSE(record.IsEmpty());
    record.setWordwrap(T_Wordwrap::ww_default);
    record.setEditability(TCellEditability::ceReadOnly);
    EXPECT_FALSE(record.IsEmpty());
    record.setEditability(TCellEditability::ceNotSet);
    const TMyFont font;
    record.setSelectedFont(&font);
    EXPECT_FALSE(record.IsEmpty());
    record.setSelectedFont(nullptr);
    EXPECT_TRUE(record.IsEmpty());
}

TEST_F(CellPropertiesTest, AssignCopiesValuesAndObjectsThatRepaintAndFreesWhatTheSourceLacks) {
    TCellProperties source(grid.get());
    source.setAlignment(TMyAlign::alCenter);
    source.setWordwrap(T_Wordwrap::ww_ellipsis);
    source.setEditability(TCellEditability::ceEditable);
    const BoldCourier font;
    source.setFont(&font);
    TMyBrush brush;
    brush.setColor(clBtnFace);
    brush.setStyle(TBrushStyle::bsDiagCross);
    source.setSelectedBrush(&brush);

    TCellProperties target(grid.get());
    target.setBrush(&brush);
    target.Assign(&source);
    EXPECT_EQ(target.Alignment(), TMyAlign::alCenter);
    EXPECT_EQ(target.Wordwrap(), T_Wordwrap::ww_ellipsis);
    EXPECT_EQ(target.editability(), TCellEditability::ceEditable);
    EXPECT_EQ(target.Brush(), nullptr) << "the source has none";
    ASSERT_NE(target.Font(), nullptr);
    EXPECT_NE(target.Font(), source.Font()) << "the target owns its own copy";
    EXPECT_TRUE(target.Font()->sameAttributes(font));
    ASSERT_NE(target.selectedBrush(), nullptr);
    EXPECT_TRUE(target.selectedBrush()->sameAttributes(brush));
    const int before = view.repaints;
    source.Font()->setHeight(-30);
    EXPECT_EQ(target.Font()->Height(), -16);
    target.selectedBrush()->setStyle(TBrushStyle::bsClear);
    target.Font()->setName("Arial");
    target.Font()->setName("Arial");
    EXPECT_EQ(view.repaints, before + 3) << "one repaint per real change";

    target.Assign(nullptr);
    EXPECT_TRUE(target.IsEmpty());
}

TEST_F(CellPropertiesTest, CloneIsAnIndependentBaseRecordOfTheSameOwner) {
    struct TaggedRecord : TCellProperties {
        using TCellProperties::TCellProperties;
    };
    TaggedRecord record(grid.get());
    record.setEditability(TCellEditability::ceReadOnly);
    const BoldCourier font;
    record.setFont(&font);

    const auto clone = record.Clone();
    EXPECT_EQ(dynamic_cast<TaggedRecord*>(clone.get()), nullptr);
    EXPECT_EQ(clone->Owner(), grid.get());
    EXPECT_EQ(clone->editability(), TCellEditability::ceReadOnly);
    ASSERT_NE(clone->Font(), nullptr);
    EXPECT_NE(clone->Font(), record.Font());
    EXPECT_TRUE(clone->Font()->sameAttributes(font));
}

TEST(FontAndBrush, AssignTakesEveryAttributeAndReportsOneChange) {
    int changes = 0;
    TMyFont font;
    font.setOnChange([&changes] { ++changes; });
    font.Assign(BoldCourier());
    font.Assign(BoldCourier());
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(font.sameAttributes(BoldCourier()));

    TMyBrush brush;
    brush.setOnChange([&changes] { ++changes; });
    TMyBrush other;
    other.setStyle(TBrushStyle::bsCross);
    brush.Assign(other);
    EXPECT_EQ(brush.Style(), TBrushStyle::bsCross);
    EXPECT_EQ(changes, 2);
}

} // namespace
