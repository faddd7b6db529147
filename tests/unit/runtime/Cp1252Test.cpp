#include "runtime/Cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
    QByteArray all;
    for (int b = 0; b < 256; ++b) {
        all.append(static_cast<char>(b));
    }
    const QString text = fromCp1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(toCp1252(text), all);
    EXPECT_EQ(toCp1252String(text), all.toStdString());
}

TEST(Cp1252, DecodesTheWindowsCharacters) {
    const QString text = fromCp1252(QByteArray("\x80\x84\x93\x96\x9F\xE4\xDF\x81\x9D"));
    EXPECT_EQ(text, QStringLiteral("€„“–Ÿäß") + QChar(0x81) + QChar(0x9D));
    EXPECT_EQ(fromCp1252(std::string_view("Gr\xF6\xDF"
                                          "e")),
              QStringLiteral("Größe"));
}

TEST(Cp1252, CharactersWithoutAFormBecomeOneQuestionMarkEach) {
    EXPECT_EQ(toCp1252(QStringLiteral("5 € für Öl")), QByteArray("5 \x80 f\xFCr \xD6l"));
    // U+0080 is not the euro sign: 0x80 already stands for that.
    EXPECT_EQ(toCp1252(QString(QChar(0x80))), QByteArray("?"));
    EXPECT_EQ(toCp1252(QStringLiteral("a\u0141b\u4E2Dc")), QByteArray("a?b?c"));
    // A character beyond the first plane is one character, so one "?".
    EXPECT_EQ(toCp1252(QStringLiteral("x\U0001F600y")), QByteArray("x?y"));
    EXPECT_EQ(toCp1252(QString(QChar(0xD800)) + QLatin1Char('z')), QByteArray("?z"));
    EXPECT_EQ(toCp1252(QString(QChar(0))), QByteArray(1, '\0'));
}
