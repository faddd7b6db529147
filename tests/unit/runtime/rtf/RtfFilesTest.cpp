// Real documents: one written by a word processor, and the program's own help text.
#include "runtime/rtf/RtfReader.h"
#include "support/runtime/RtfTestSupport.h"

#include <QRegularExpression>
#include <QTextList>
#include <gtest/gtest.h>

TEST(RtfFiles, DocumentWrittenByAWordProcessor) {
    QTextDocument document;
    loadRtfFile(QStringLiteral(QUIP_TEST_DATA "/writer-sample.rtf"), document);
    EXPECT_EQ(blockTexts(document),
              (std::vector<QString>{
                  QStringLiteral("Überschrift für Größen"),
                  QStringLiteral("Normaler Text mit fett, kursiv und unterstrichen."),
                  QStringLiteral("Umlaute: äöüÄÖÜß und ein Preis von 5 €."),
                  QStringLiteral("Eine Liste"),
                  QStringLiteral("Erster Punkt"),
                  QStringLiteral("Zweiter Punkt"),
                  QStringLiteral("Dritter Punkt"),
                  QStringLiteral("Zentrierter Absatz"),
                  QStringLiteral("Ein rotes Wort zum Schluss."),
              }));

    const TextRun heading = runWith(document, QStringLiteral("Überschrift"));
    EXPECT_EQ(heading.format.fontWeight(), QFont::Bold);
    EXPECT_EQ(heading.format.fontPointSize(), 16.0);
    EXPECT_EQ(heading.block.textList(), nullptr);
    EXPECT_EQ(heading.format.fontFamilies().toStringList(),
              QStringList{QStringLiteral("DejaVu Serif")});

    const TextRun body = runWith(document, QStringLiteral("Normaler"));
    EXPECT_NE(body.format.fontWeight(), QFont::Bold);
    EXPECT_EQ(body.format.fontPointSize(), 11.0);
    EXPECT_EQ(runWith(document, QStringLiteral("fett")).format.fontWeight(), QFont::Bold);
    EXPECT_TRUE(runWith(document, QStringLiteral("kursiv")).format.fontItalic());
    EXPECT_TRUE(runWith(document, QStringLiteral("unterstrichen")).format.fontUnderline());
    EXPECT_FALSE(runWith(document, QStringLiteral(" und ")).format.fontUnderline());

    const TextRun subheading = runWith(document, QStringLiteral("Eine Liste"));
    EXPECT_TRUE(subheading.format.fontItalic());
    EXPECT_EQ(subheading.format.fontWeight(), QFont::Bold);

    QTextList* list = runWith(document, QStringLiteral("Erster")).block.textList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->format().style(), QTextListFormat::ListDisc);
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(runWith(document, QStringLiteral("Dritter")).block.textList(), list);

    const TextRun centred = runWith(document, QStringLiteral("Zentrierter"));
    EXPECT_EQ(centred.block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(centred.block.textList(), nullptr);
    EXPECT_EQ(runWith(document, QStringLiteral("rotes Wort")).format.foreground().color(),
              QColor(201, 33, 30));
}

TEST(RtfFiles, HelpTextCoversTheProgram) {
    QTextDocument document;
    loadRtfFile(QStringLiteral(QUIP_DEFAULTS_DIR "/Help.rtf"), document);
    const QString text = document.toPlainText();

    // Nothing of the markup shows, and the umlauts arrive as umlauts.
    EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("\\\\[a-z]+"))));
    EXPECT_FALSE(text.contains(QChar::ReplacementCharacter));
    EXPECT_TRUE(text.contains(QStringLiteral("Größe")));
    for (const char* item :
         {"S&peichern", "L&aden", "aktuelle Zeile löschen", "Zeile einfügen", "&Einstellungen",
          "&immer im Vordergrund", "&Umbenennen", "&Zeilenhöhe", "About", "&Löschen", "&Senden",
          "Sen&den u. Löschen", "&Übernehmen", "&Abbrechen"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(item).remove(QLatin1Char('&')))) << item;
    }
    for (const char* words : {"Sprüche",
                              "Schnaps-Ansagen",
                              "Standardsätze",
                              "Smileys",
                              "USER3",
                              "Doppelklick",
                              "Vorschaufenster",
                              "Zielfenster",
                              "F2",
                              "Strg+Enter",
                              "Tab",
                              "Strg+Einfg",
                              "Umsch+Entf",
                              "Umsch+Einfg",
                              "AltGr",
                              "Gitter_1.txt",
                              "quipsender.INI",
                              "{",
                              "}",
                              "[",
                              "]",
                              "~",
                              "|",
                              "@",
                              "Bestätigung"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(words))) << words;
    }

    bool hasBoldHeading = false;
    bool hasList = false;
    for (const TextRun& run : textRuns(document)) {
        hasBoldHeading |= run.format.fontWeight() == QFont::Bold && run.format.fontPointSize() > 10;
        hasList |= run.block.textList() != nullptr;
    }
    EXPECT_TRUE(hasBoldHeading);
    EXPECT_TRUE(hasList);
}
