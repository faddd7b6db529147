#include "FormDataText.h"
#include "GridTestDoubles.h"
#include "PhraseGridDesigns.h"
#include "PropertyList.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr const char* textPageLayers = "PropCell = (0 0 3 2 0) PropCol = (0 3 2 0) "
                                       "PropRow = (0 3 2 0) PropFixedCol = () PropFixedRow = ()";
constexpr const char* smileysLayers =
    "PropCell = (0 0 1 2 2 1 3 2 0 1 0 1 2 2 1 0) PropCol = (0 3 2 0 1 3 2 0) "
    "PropRow = (0 3 2 0) PropFixedCol = () PropFixedRow = ()";

// Every layer entry as "where=alignment/wordwrap/editability ".
std::string layerSummary(const PhraseGridModel& grid) {
    std::string summary;
    const auto add = [&summary](const std::string& where, const TCellProperties& e) {
        summary += where + '=' + std::to_string(int(e.Alignment())) + '/' +
                   std::to_string(int(e.Wordwrap())) + '/' + std::to_string(int(e.Editability())) +
                   ' ';
    };
    for (const auto& [col, column] : grid.CellLayer().columns()) {
        for (const auto& [row, entry] : column) {
            add("cell" + std::to_string(col) + ',' + std::to_string(row), *entry);
        }
    }
    const char* names[] = {"", "col", "row", "fixedcol", "fixedrow"};
    for (const PropertyLayer layer : {PropertyLayer::Col, PropertyLayer::Row,
                                      PropertyLayer::FixedCol, PropertyLayer::FixedRow}) {
        for (const auto& [index, entry] : grid.LineLayer(layer)) {
            add(names[int(layer)] + std::to_string(index), *entry);
        }
    }
    return summary;
}

TEST(PhraseGridDesigns, TheStoredBytesHoldTheMainWindowsDesignValues) {
    EXPECT_EQ(TextPageGridDesign().properties, propertyList(textPageLayers));
    EXPECT_EQ(SmileysGridDesign().properties,
              propertyList(std::string("Cells = (0 0 'Smiley' 1 0 'Name') ") + smileysLayers));
}

TEST(PhraseGridDesigns, ApplyingADesignGivesCountsLayersAndOnlyTheHeaderTexts) {
    auto text = PhraseGridModel::Create();
    fillTexts(*text);
    ApplyGridDesign(*text, TextPageGridDesign());
    EXPECT_EQ(text->ColCount(), 1);
    EXPECT_EQ(text->RowCount(), 100);
    EXPECT_EQ(text->FixedCols() + text->FixedRows(), 0);
    EXPECT_EQ(layerSummary(*text), "cell0,0=3/3/2 col0=3/3/2 row0=3/3/2 ");
    EXPECT_EQ(text->Cells(0, 0), "0:0") << "no Cells stored: the texts stay";
    EXPECT_EQ(WritePropertyList(*text), propertyList(textPageLayers));

    // Starting narrower than the design, so the counts must come first to keep "Name".
    auto smileys = PhraseGridModel::Create();
    smileys->setColCount(1);
    smileys->setCells(0, 3, "old");
    ApplyGridDesign(*smileys, SmileysGridDesign());
    EXPECT_EQ(smileys->ColCount(), 2);
    EXPECT_EQ(smileys->RowCount(), 100);
    EXPECT_EQ(smileys->FixedCols(), 0);
    EXPECT_EQ(smileys->FixedRows(), 1);
    EXPECT_EQ(columnTexts(*smileys, 0), "Smiley|" + QByteArray(99, '|'));
    EXPECT_EQ(columnTexts(*smileys, 1), "Name|" + QByteArray(99, '|'));
    EXPECT_EQ(layerSummary(*smileys),
              "cell0,0=2/1/2 cell1,0=2/1/0 col0=3/3/2 col1=3/3/2 row0=3/3/2 ");
    EXPECT_TRUE(smileys->EffectiveEditable(0, 5));
    EXPECT_EQ(smileys->EffectiveAlignment(1, 0), TMyAlign::alCenter);
    EXPECT_EQ(WritePropertyList(*smileys), SmileysGridDesign().properties);
}

} // namespace
