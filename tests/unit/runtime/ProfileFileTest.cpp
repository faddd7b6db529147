#include "runtime/ProfileFile.h"
#include "runtime/QuipError.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ProfileFileTest : public ::testing::Test {
protected:
    QString path() const { return dir_.filePath(QStringLiteral("quipsender.INI")); }

    void store(const QByteArray& bytes) const {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray stored() const {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir dir_;
};

QString messageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const QuipError& error) {
        return error.message();
    }
    return QStringLiteral("no error");
}

} // namespace

TEST_F(ProfileFileTest, MissingFileReadsDefaultsAndIsCreatedByTheFirstWrite) {
    ProfileFile ini(path());
    EXPECT_EQ(ini.readString("Options", "ZielFenster"), QByteArray());
    EXPECT_EQ(ini.readString("Options", "ZielFenster", "Chat"), QByteArray("Chat"));
    EXPECT_TRUE(ini.readBool("Options", "FirstExecution", true));
    EXPECT_FALSE(QFile::exists(path()));

    ini.writeString("Options", "ZielFenster", "Skat \xE4 Online");
    ini.writeWholeNumber("Options", "FontSize", -8);
    ini.writeBool("Options", "SendEnter", true);
    // Each write reaches the file at once, not only when the object goes.
    EXPECT_EQ(stored(), QByteArray("[Options]\r\nZielFenster=Skat \xE4 Online\r\nFontSize=-8\r\n"
                                   "SendEnter=1\r\n"));
    EXPECT_EQ(ProfileFile(path()).readWholeNumber("Options", "FontSize"), -8);
}

TEST_F(ProfileFileTest, ReadsNamesWithoutCaseAndValuesWithoutSurroundingBlanks) {
    store("; Kommentar\n"
          "[Andere]\r\n"
          "Width=1\r\n"
          " [ options ] \r\n"
          "  width  =  640  \r\n"
          "Leer=\r"
          "Gleich=a=b\n"
          "Width=999\n"
          "ohne Gleichheitszeichen\n"
          "[Options2]\n"
          "Height=3");
    const ProfileFile ini(path());
    EXPECT_EQ(ini.readString("OPTIONS", "Width"), QByteArray("640"));
    EXPECT_EQ(ini.readString("Options", "Leer", "x"), QByteArray());
    EXPECT_EQ(ini.readString("Options", "Gleich"), QByteArray("a=b"));
    EXPECT_EQ(ini.readString("Options", "Height", "none"), QByteArray("none"));
    EXPECT_EQ(ini.readString("Options2", "height"), QByteArray("3"));
    EXPECT_EQ(ini.readString("Andere", "Width"), QByteArray("1"));
    EXPECT_EQ(ini.readString("Fehlt", "Width", "d"), QByteArray("d"));
}

TEST_F(ProfileFileTest, WritesKeepEveryOtherLine) {
    store("; von Hand\r\n"
          "[Options]\r\n"
          "PosTop = 100\r\n"
          "Unbekannt=bleibt\r\n"
          "\r\n"
          "[Andere]\n"
          "PosTop=7\n");
    ProfileFile ini(path());
    ini.writeWholeNumber("options", "POSTOP", 250);
    ini.writeString("Options", "Width", "640");
    ini.writeString("Neu", "Key", "v");
    EXPECT_EQ(stored(), QByteArray("; von Hand\r\n"
                                   "[Options]\r\n"
                                   "PosTop=250\r\n"
                                   "Unbekannt=bleibt\r\n"
                                   "Width=640\r\n"
                                   "\r\n"
                                   "[Andere]\r\n"
                                   "PosTop=7\r\n"
                                   "\r\n"
                                   "[Neu]\r\n"
                                   "Key=v\r\n"));
    EXPECT_EQ(ini.readWholeNumber("Options", "PosTop"), 250);
}

TEST_F(ProfileFileTest, ValuesAreReadUpTo2047BytesAndCannotAddLinesOfTheirOwn) {
    const QByteArray longValue(3000, 'x');
    ProfileFile ini(path());
    ini.writeString("Options", "ZielFenster", longValue);
    ini.writeString("Options", "TabSheet1Name", "a\r\n[Options]\r\nFontSize=99\nb");
    const ProfileFile reread(path());
    EXPECT_EQ(reread.readString("Options", "ZielFenster"), longValue.left(2047));
    EXPECT_EQ(reread.readString("Options", "TabSheet1Name"),
              QByteArray("a  [Options]  FontSize=99 b"));
    EXPECT_EQ(reread.readString("Options", "FontSize", "none"), QByteArray("none"));
}

TEST_F(ProfileFileTest, ByteOrderMarkDoesNotHideTheFirstSection) {
    store("\xEF\xBB\xBF[Options]\r\nFontSize=9\r\n");
    ProfileFile ini(path());
    EXPECT_EQ(ini.readWholeNumber("Options", "FontSize"), 9);
    ini.writeWholeNumber("Options", "FontSize", 10);
    EXPECT_EQ(stored(), QByteArray("\xEF\xBB\xBF[Options]\r\nFontSize=10\r\n"));
}

TEST_F(ProfileFileTest, NumbersAndBooleansFollowTheConversionRules) {
    store("[Options]\nFontSize=\nWidth=$20\nFirstExecution=0x20\nGridHeight1=abc\n");
    const ProfileFile ini(path());
    EXPECT_EQ(messageOf([&] { ini.readWholeNumber("Options", "FontSize"); }),
              QStringLiteral("'' ist kein gültiger Integerwert"));
    EXPECT_EQ(messageOf([&] { ini.readWholeNumber("Options", "Height"); }),
              QStringLiteral("'' ist kein gültiger Integerwert"))
        << "a missing number reads as empty text";
    EXPECT_EQ(ini.readWholeNumber("Options", "Width"), 32);
    EXPECT_TRUE(ini.readBool("Options", "FirstExecution", false));
    EXPECT_TRUE(ini.readBool("Options", "GridHeight1", true));
    EXPECT_FALSE(ini.readBool("Options", "Missing", false));
}

TEST_F(ProfileFileTest, FailedWriteReportsThePathAndChangesNothing) {
    const QString unreachable = dir_.filePath(QStringLiteral("fehlt/quipsender.INI"));
    ProfileFile ini(unreachable);
    EXPECT_EQ(messageOf([&] { ini.writeString("Options", "Width", "1"); }),
              QStringLiteral("nach %1 kann nicht geschrieben werden").arg(unreachable));
    EXPECT_EQ(ini.readString("Options", "Width", "unchanged"), QByteArray("unchanged"));

    // A settings path that is a directory cannot be read, and so is never written over.
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("quipsender.INI")));
    ProfileFile directory(path());
    EXPECT_EQ(messageOf([&] { directory.writeString("Options", "Width", "1"); }),
              QStringLiteral("nach %1 kann nicht geschrieben werden").arg(path()));
    EXPECT_TRUE(QFileInfo(path()).isDir());
}

TEST_F(ProfileFileTest, FailedWriteLeavesTheOldFileAsItWas) {
    const QByteArray original("[Options]\r\nWidth=640\r\n");
    store(original);
    ProfileFile ini(path());
    // An immutable file in an immutable directory refuses even root.
    const auto chattr = [this](const char* flag) {
        return QProcess::execute(QStringLiteral("chattr"),
                                 {QLatin1String(flag), path(), dir_.path()});
    };
    if (chattr("+i") != 0) {
        chattr("-i");
        GTEST_SKIP() << "chattr is not available here";
    }
    const QString message = messageOf([&] { ini.writeString("Options", "Width", "800"); });
    chattr("-i");
    EXPECT_EQ(message, QStringLiteral("nach %1 kann nicht geschrieben werden").arg(path()));
    EXPECT_EQ(stored(), original);
    EXPECT_EQ(ini.readString("Options", "Width"), QByteArray("640"));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}
