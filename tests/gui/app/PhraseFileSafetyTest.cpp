#include "support/app/AppTestSupport.h"
#include "support/runtime/ScratchTmpfs.h"

#include "grid/view/PhraseGrid.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace {

QString readUpToNul(const char* file) {
    return QStringLiteral("Datei %1 enthält ein Nullzeichen und wurde nur bis dorthin gelesen.")
        .arg(QLatin1String(file));
}

QString cannotCreate(const char* file) {
    return QStringLiteral("Datei %1 kann nicht erstellt werden.").arg(QLatin1String(file));
}

// The bytes of a literal, NUL bytes included.
template <std::size_t N>
QByteArray bytes(const char (&text)[N]) {
    return QByteArray(text, N - 1);
}

// A page with a NUL byte in the middle, and one saved as UTF-16 by another editor.
const QByteArray kWithNul = bytes("eins\t\r\nzwei\0drei\t\r\nvier\t\r\n");
const QByteArray kUtf16 = bytes("\xFF\xFE"
                                "e\0i\0n\0s\0\t\0\r\0\n\0");

class PhraseFileSafetyTest : public AppTest {
protected:
    TfMain& startWithIncompleteFiles() {
        writePhraseFiles();
        writeFile(QStringLiteral("Gitter_2.txt"), kWithNul);
        writeFile(QStringLiteral("Gitter_5.txt"), kUtf16);
        writeSettings(completeSettings());
        return start();
    }

    // The files of the working directory that the program wrote or left.
    static QStringList files() {
        return QDir::current().entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    // All the program's own files, with their bytes, as the test wrote them.
    static std::vector<std::pair<QString, QByteArray>> ownFiles() {
        std::vector<std::pair<QString, QByteArray>> all;
        for (const QString& name : files()) {
            if (name.startsWith(QLatin1String("Gitter_")) || name == settingsFile()) {
                all.emplace_back(name, readFile(name));
            }
        }
        return all;
    }
};

} // namespace

// Read as far as the NUL, as the layout says; the rest of the file is no one's to drop.
TEST_F(PhraseFileSafetyTest, AFileReadOnlyUpToANulIsReportedAndNotWrittenWhileUnchanged) {
    startWithIncompleteFiles();
    EXPECT_EQ(errorTexts(), std::vector<QString>{readUpToNul("Gitter_2.txt") + '\n' +
                                                 readUpToNul("Gitter_5.txt")});
    EXPECT_EQ(model(1).Cells(0, 0), "eins");
    EXPECT_EQ(model(1).Cells(0, 1), "zwei");
    EXPECT_EQ(model(4).Cells(0, 0), "\xFF\xFE"
                                    "e");
    show();
    ASSERT_TRUE(close());
    EXPECT_EQ(readFile(QStringLiteral("Gitter_2.txt")), kWithNul);
    EXPECT_EQ(readFile(QStringLiteral("Gitter_5.txt")), kUtf16);
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("Gitter_2.txt.bak")));
    EXPECT_TRUE(readFile(QStringLiteral("Gitter_1.txt")).startsWith("p1 r0\t\r\n"));
}

// Written at close once changed, and by Save: the old file is kept as NAME.bak first, once.
TEST_F(PhraseFileSafetyTest, AChangedPageOfAFileNotReadWholeKeepsTheOldFileAsBak) {
    TfMain& main = startWithIncompleteFiles();
    show();
    boxes.clear();
    model(1).setCells(0, 1, "zwo");
    main.Speichern1->trigger();
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(readFile(QStringLiteral("Gitter_2.txt.bak")), kWithNul);
    EXPECT_TRUE(readFile(QStringLiteral("Gitter_2.txt")).startsWith("eins\t\r\nzwo\t\r\n"));
    EXPECT_EQ(readFile(QStringLiteral("Gitter_5.txt.bak")), kUtf16);

    // Saved whole now: a second save leaves the backup as it was.
    model(1).setCells(0, 1, "zwei");
    main.Speichern1->trigger();
    EXPECT_EQ(readFile(QStringLiteral("Gitter_2.txt.bak")), kWithNul);

    fMain.reset();
    writeFile(QStringLiteral("Gitter_2.txt"), kWithNul);
    writeFile(QStringLiteral("Gitter_2.txt.bak"), "alt");
    startWithIncompleteFiles();
    show();
    model(1).setCells(0, 0, "neu");
    ASSERT_TRUE(close());
    EXPECT_EQ(readFile(QStringLiteral("Gitter_2.txt.bak")), kWithNul);
    EXPECT_TRUE(readFile(QStringLiteral("Gitter_2.txt")).startsWith("neu\t\r\nzwei\t\r\n"));
}

// Load reads every page as far as it can, reports the files read in part together with a
// file that cannot be opened (where loading stops), and protects those pages as start does.
TEST_F(PhraseFileSafetyTest, LoadReportsFilesReadInPartAndTheirPagesStayProtected) {
    TfMain& main = startWith(completeSettings());
    show();
    writeFile(QStringLiteral("Gitter_2.txt"), kWithNul);
    QFile::remove(QStringLiteral("Gitter_6.txt"));
    main.Laden1->trigger();
    EXPECT_EQ(errorTexts(), std::vector<QString>{
                                readUpToNul("Gitter_2.txt") + '\n' +
                                QStringLiteral("Datei Gitter_6.txt kann nicht geöffnet werden.")});
    EXPECT_EQ(model(1).Cells(0, 1), "zwei");
    ASSERT_TRUE(close());
    EXPECT_EQ(readFile(QStringLiteral("Gitter_2.txt")), kWithNul);
    EXPECT_TRUE(QFileInfo::exists(QStringLiteral("Gitter_6.txt")));
}

// A backup that cannot be made keeps the page from being written.
TEST_F(PhraseFileSafetyTest, WithoutItsBackupAPageNotReadWholeIsNotWritten) {
    startWithIncompleteFiles();
    show();
    boxes.clear();
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("Gitter_2.txt.bak")));
    model(1).setCells(0, 0, "neu");
    EXPECT_FALSE(close());
    EXPECT_EQ(errorTexts(), std::vector<QString>{cannotCreate("Gitter_2.txt.bak")});
    EXPECT_EQ(readFile(QStringLiteral("Gitter_2.txt")), kWithNul);
}

TEST_F(PhraseFileSafetyTest, WhatKilledSavesLeftOfOurFilesIsRemovedAtStart) {
    writePhraseFiles();
    writeSettings(completeSettings());
    const QStringList leftovers = {QStringLiteral("Gitter_1.txt.a1B2c3"),
                                   settingsFile() + QStringLiteral(".Zz9Yy8"),
                                   QStringLiteral("Gitter_7.txt.bak.Q1w2e3")};
    const QStringList others = {
        QStringLiteral("Gitter_1.txt.backup"), QStringLiteral("Gitter_1.txt.a1B2c"),
        QStringLiteral("Notizen.txt.a1B2c3"), QStringLiteral("Gitter_8.txt.a1B2c3")};
    for (const QString& name : leftovers + others) {
        writeFile(name, QByteArray(1000, 'x'));
    }
    start();
    for (const QString& name : leftovers) {
        EXPECT_FALSE(QFileInfo::exists(name)) << name.toStdString();
    }
    for (const QString& name : others) {
        EXPECT_TRUE(QFileInfo::exists(name)) << name.toStdString();
    }
}

// A full disk and a folder that takes no new files (writable files in it): every save
// fails as a whole, each file keeps its old bytes and no temporary file stays.
TEST_F(PhraseFileSafetyTest, OnAFullDiskOrInAFolderThatTakesNoNewFilesTheOldFilesStayWhole) {
    const QString home = QDir::currentPath();
    // Help.rtf, seven phrase files, the settings and the root folder: ten inodes.
    for (const QByteArray& options : {QByteArray("size=256k"), QByteArray("nr_inodes=10")}) {
        SCOPED_TRACE(options.toStdString());
        const ScratchTmpfs disk(QDir(home).filePath(QString::fromLatin1(options)), options);
        if (!disk.mounted()) {
            GTEST_SKIP() << disk.whyNot().toStdString();
        }
        ASSERT_TRUE(QDir::setCurrent(disk.folder()));
        writeFile(QStringLiteral("Help.rtf"), "{\\rtf1 Hilfe}");
        TfMain& main = startWith(completeSettings());
        show();
        if (options.startsWith("size")) {
            disk.fillUp(QStringLiteral("Gitter_1.txt.a1B2c3"));
        }
        const auto before = ownFiles();
        for (int page = 0; page < TfMain::kPageCount; ++page) {
            model(page).setCells(0, 1, QByteArray(3000, 'n'));
        }
        main.resize(main.width() + 10, main.height());
        boxes.clear();

        main.Speichern1->trigger();
        EXPECT_EQ(errorTexts(), std::vector<QString>{cannotCreate("Gitter_1.txt")});
        boxes.clear();
        EXPECT_FALSE(close());
        EXPECT_EQ(errorTexts().size(), 1u);
        EXPECT_EQ(errorTexts().at(0).count(QLatin1Char('\n')), 7) << "one line for each file";
        EXPECT_EQ(boxesOf(MessageBoxRequest::Confirmation).size(), 1u);
        EXPECT_EQ(ownFiles(), before);

        confirmation = MessageBoxAnswer::Yes;
        EXPECT_TRUE(close());
        EXPECT_EQ(ownFiles(), before);
        fMain.reset();
        confirmation = MessageBoxAnswer::No;
        ASSERT_TRUE(QDir::setCurrent(home));
    }
}

// The settings file cannot be replaced: the phrase files are saved all the same.
TEST_F(PhraseFileSafetyTest, AnUnwritableSettingsFileDoesNotStopThePhraseFiles) {
    startWith(completeSettings());
    show();
    const QByteArray settings = readFile(settingsFile());
    const auto chattr = [](const char* flag) {
        return QProcess::execute(QStringLiteral("chattr"), {QLatin1String(flag), settingsFile()});
    };
    if (chattr("+i") != 0) {
        GTEST_SKIP() << "chattr +i is not available here";
    }
    model(3).setCells(1, 1, "neu");
    const bool ended = close();
    chattr("-i");
    EXPECT_FALSE(ended);
    const QString path = fMain->settingsPath();
    EXPECT_EQ(
        errorTexts(),
        std::vector<QString>{QStringLiteral("nach %1 kann nicht geschrieben werden.").arg(path)});
    EXPECT_EQ(readFile(settingsFile()), settings);
    EXPECT_TRUE(readFile(QStringLiteral("Gitter_4.txt")).contains("neu"));
}
