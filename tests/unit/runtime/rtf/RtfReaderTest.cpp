#include "runtime/rtf/RtfReader.h"
#include "runtime/QuipError.h"
#include "support/runtime/RtfTestSupport.h"

#include <QTextList>
#include <gtest/gtest.h>

namespace {

QTextDocument* read(QTextDocument& document, QByteArrayView rtf) {
    readRtf(rtf, document);
    return &document;
}

} // namespace

TEST(RtfReader, CharacterFormattingFromTheFontAndColourTables) {
    QTextDocument document;
    read(document,
         "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fmodern{\\*\\panose 0}"
         "Courier New;}}{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue128;}\n"
         "\\fs24 Hallo {\\b fett} {\\i kursiv} {\\ul unter}{\\strike durch}\\par\n"
         "\\f1\\fs32\\cf1 rot{\\cf2 blau}\\cf0 auto\\par}");
    EXPECT_EQ(blockTexts(document),
              (std::vector<QString>{QStringLiteral("Hallo fett kursiv unterdurch"),
                                    QStringLiteral("rotblauauto")}));
    const TextRun hallo = runWith(document, QStringLiteral("Hallo"));
    EXPECT_EQ(hallo.format.fontFamilies().toStringList(), QStringList{QStringLiteral("Arial")});
    EXPECT_EQ(hallo.format.fontPointSize(), 12.0);
    EXPECT_NE(hallo.format.fontWeight(), QFont::Bold);
    EXPECT_EQ(runWith(document, QStringLiteral("fett")).format.fontWeight(), QFont::Bold);
    EXPECT_TRUE(runWith(document, QStringLiteral("durch")).format.fontStrikeOut());
    EXPECT_FALSE(runWith(document, QStringLiteral("durch")).format.fontUnderline());

    const TextRun red = runWith(document, QStringLiteral("rot"));
    EXPECT_EQ(red.format.fontFamilies().toStringList(), QStringList{QStringLiteral("Courier New")});
    EXPECT_EQ(red.format.fontPointSize(), 16.0);
    EXPECT_EQ(red.format.foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(runWith(document, QStringLiteral("blau")).format.foreground().color(),
              QColor(0, 0, 128));
    EXPECT_FALSE(
        runWith(document, QStringLiteral("auto")).format.hasProperty(QTextFormat::ForegroundBrush));
}

TEST(RtfReader, PlainAndUnderlineOffWordsEndFormatting) {
    QTextDocument document;
    read(document, "{\\rtf1 \\b\\i\\ul a\\plain b\\ul\\ulc0 c\\ulnone d\\b1 e\\b0 f}");
    EXPECT_TRUE(runWith(document, QStringLiteral("a")).format.fontItalic());
    EXPECT_FALSE(runWith(document, QStringLiteral("b")).format.fontItalic());
    // \ulc sets the underline's colour and does not switch it.
    EXPECT_TRUE(runWith(document, QStringLiteral("c")).format.fontUnderline());
    EXPECT_FALSE(runWith(document, QStringLiteral("d")).format.fontUnderline());
    EXPECT_EQ(runWith(document, QStringLiteral("e")).format.fontWeight(), QFont::Bold);
    EXPECT_NE(runWith(document, QStringLiteral("f")).format.fontWeight(), QFont::Bold);
}

TEST(RtfReader, EscapedCharacters) {
    QTextDocument document;
    read(
        document,
        "{\\rtf1\\ansi Gr\\'f6\\'dfe \\'80 \\'84x\\'93 "   // cp1252
        "\\u8364\\'80 \\uc2\\u228 xy|\\uc0\\u246|\\uc1"    // \uN and its fallback
        "{\\uc1\\u-4064 ?}|{\\u252}z|\\u-10179?\\u-8704?|" // negative, group end, pair
        "\\{\\}\\\\ a\\~b\\-c\\_d \\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote}");
    EXPECT_EQ(document.begin().text(), QStringLiteral("Größe € „x“ € ä|ö|") + QChar(0xF020) +
                                           QStringLiteral("|üz|\U0001F600|{}\\ a") + QChar(0xA0) +
                                           QStringLiteral("b") + QChar(0xAD) + QStringLiteral("c") +
                                           QChar(0x2011) + QStringLiteral("d —–•‘’“”"));
}

TEST(RtfReader, ParagraphsLineBreaksTabsAndAlignment) {
    QTextDocument document;
    read(document, "{\\rtf1 \\qc Mitte\\line zweite Zeile\\par\\pard links\\tab Tab\\par\n"
                   "\\qr rechts\\par\\qj\\li720\\fi-360 block\\par\\par}");
    const std::vector<QString> texts = blockTexts(document);
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[0], QStringLiteral("Mitte") + QChar(QChar::LineSeparator) +
                            QStringLiteral("zweite Zeile"));
    EXPECT_EQ(texts[1], QStringLiteral("links\tTab"));
    EXPECT_EQ(texts[4], QString()); // the empty paragraph between the last two marks
    QTextBlock block = document.begin();
    for (const Qt::Alignment expected :
         {Qt::AlignHCenter, Qt::AlignLeft, Qt::AlignRight, Qt::AlignJustify}) {
        EXPECT_EQ(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, expected)
            << block.text().toStdString();
        block = block.next();
    }
    block = block.previous();
    EXPECT_EQ(block.blockFormat().leftMargin(), 48.0);
    EXPECT_EQ(block.blockFormat().textIndent(), -24.0);
}

TEST(RtfReader, BulletListsOldAndNewStyle) {
    QTextDocument document;
    read(document,
         "{\\rtf1{\\fonttbl{\\f1\\fcharset2 Symbol;}}"
         "Vorher\\par"
         "{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1{\\pntxtb\\'b7}}\\fi-200\\li200 eins\\par"
         "{\\pntext\\f1\\'b7\\tab}eins b\\par"
         "\\pard Mitte\\par"
         "{\\listtext 1.\\tab}\\ls2\\ilvl0 zwei\\par"
         "{\\listtext 2.\\tab}\\ls2\\ilvl0 drei\\par"
         "{\\listtext\\tab}\\ls1 kein Punkt\\par\\pard Ende}");
    const std::vector<QString> texts = blockTexts(document);
    ASSERT_EQ(texts.size(), 8u);
    EXPECT_EQ(texts[1], QStringLiteral("eins")); // the label text is the list's, not the item's

    std::vector<QTextList*> lists;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        lists.push_back(block.textList());
    }
    EXPECT_EQ(lists[0], nullptr);
    ASSERT_NE(lists[1], nullptr);
    EXPECT_EQ(lists[1]->format().style(), QTextListFormat::ListDisc);
    EXPECT_EQ(lists[2], lists[1]);
    EXPECT_EQ(lists[1]->count(), 2);
    EXPECT_EQ(lists[3], nullptr);
    ASSERT_NE(lists[4], nullptr);
    EXPECT_EQ(lists[4]->format().style(), QTextListFormat::ListDecimal);
    EXPECT_EQ(lists[5], lists[4]);
    EXPECT_EQ(lists[6], nullptr); // an outline level without a label is no list
    EXPECT_EQ(lists[7], nullptr);
}

TEST(RtfReader, SkipsDestinationsThatAreNotText) {
    QTextDocument document;
    read(document, "{\\rtf1{\\info{\\title Titel}{\\author Jemand}}{\\stylesheet{\\s0 Normal;}}"
                   "{\\*\\generator Writer;}{\\header Kopf\\par}{\\footer Fuss}"
                   "{\\*\\unbekannt {verschachtelt} weg}{\\pict\\pngblip 89504e47}"
                   "{\\pict\\bin6 {{}}\\}}{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt Verweis}}"
                   "A{\\v versteckt}B}");
    EXPECT_EQ(document.toPlainText(), QStringLiteral("VerweisAB"));
}

TEST(RtfReader, MalformedInputShowsWhatItCan) {
    QTextDocument document;
    read(document, "{\\rtf1 {\\b abgeschnitten");
    EXPECT_EQ(document.toPlainText(), QStringLiteral("abgeschnitten"));
    EXPECT_EQ(runWith(document, QStringLiteral("ab")).format.fontWeight(), QFont::Bold);

    read(document, "{\\rtf1 a}}}b\\par c} danach");
    EXPECT_EQ(document.toPlainText(), QStringLiteral("a"));

    // A broken \' shows what follows it; \u without a number is nothing; \uc below zero is 0.
    read(document,
         "{\\rtf1 x\\'zz\\'4\\ \\\\y\\u\\uc-5\\u65A\\fs99999999999 z\\bin-3 w\\bin99999}");
    EXPECT_EQ(document.toPlainText(), QStringLiteral("xzz\x04\\yAAzw"));

    QByteArray deep("{\\rtf1 ");
    deep += QByteArray(100000, '{') + "\\b tief" + QByteArray(100000, '}') + " oben";
    read(document, deep);
    EXPECT_EQ(document.toPlainText(), QStringLiteral("tief oben"));
}

TEST(RtfReader, TextThatIsNotRtfIsShownAsPlainText) {
    QTextDocument document;
    read(document, "Zeile 1\r\nZeile \xE4\rDrei\n{\\b nicht fett}");
    EXPECT_EQ(blockTexts(document),
              (std::vector<QString>{QStringLiteral("Zeile 1"), QStringLiteral("Zeile ä"),
                                    QStringLiteral("Drei"), QStringLiteral("{\\b nicht fett}")}));
}

TEST(RtfReader, MissingFileIsReportedAndTheDocumentKept) {
    QTextDocument document;
    document.setPlainText(QStringLiteral("alt"));
    try {
        loadRtfFile(QStringLiteral("gibt-es-nicht/Help.rtf"), document);
        FAIL() << "no error";
    } catch (const QuipError& error) {
        EXPECT_EQ(error.message(),
                  QStringLiteral("Datei gibt-es-nicht/Help.rtf kann nicht geöffnet werden"));
    }
    EXPECT_EQ(document.toPlainText(), QStringLiteral("alt"));
}
