#include "support/app/AppTestSupport.h"

#include "dialogs/TfHelp.h"
#include "dialogs/TfOptionen.h"
#include "grid/editing/InplaceEdit.h"
#include "grid/view/PhraseGrid.h"
#include "runtime/Cp1252.h"
#include "widgets/MainWindowFont.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

namespace {

QStringList captions(const TfMain& main) {
    QStringList names;
    for (int page = 0; page < TfMain::kPageCount; ++page) {
        names << main.PageControl1->tabText(page);
    }
    return names;
}

QString cannotOpen(const char* file) {
    return QStringLiteral("Datei %1 kann nicht geöffnet werden.").arg(QLatin1String(file));
}

QString cannotCreate(const char* file) {
    return QStringLiteral("Datei %1 kann nicht erstellt werden.").arg(QLatin1String(file));
}

QString notAnInteger(const char* text) {
    return QStringLiteral("'%1' ist kein gültiger Integerwert.").arg(QLatin1String(text));
}

class StartupTest : public AppTest {
protected:
    // Starts with one phrase file missing, or with a directory in its place so that it can
    // be neither read nor written.
    TfMain& startWithout(const char* phraseFile, bool blocked,
                         const SettingsLines& settings = completeSettings()) {
        writePhraseFiles();
        writeSettings(settings);
        EXPECT_TRUE(QFile::remove(QLatin1String(phraseFile)));
        if (blocked) {
            EXPECT_TRUE(QDir().mkdir(QLatin1String(phraseFile)));
        }
        return start();
    }
};

} // namespace

TEST_F(StartupTest, WithoutASettingsFileTheFirstStartAsksAndCloseWritesTheFile) {
    writePhraseFiles();
    TfMain& main = start();
    EXPECT_TRUE(errorTexts().empty());
    EXPECT_EQ(
        captions(main),
        QStringList({QStringLiteral("Sprüche"), QStringLiteral("Schnaps-Ansagen"),
                     QStringLiteral("Standardsätze"), QStringLiteral("Smileys"),
                     QStringLiteral("USER1"), QStringLiteral("USER2"), QStringLiteral("USER3")}));
    EXPECT_TRUE(main.targetTitle().isEmpty());
    EXPECT_EQ(model(1).Cells(0, 2), "p2 r2");

    // Answered No: no options dialog, and nothing written before the close.
    show();
    const auto questions = boxesOf(MessageBoxRequest::Confirmation);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].caption, QStringLiteral("Bestätigung"));
    EXPECT_EQ(questions[0].text,
              QStringLiteral("Dies scheint der erste Start des Programms zu sein,\n"
                             "möchten Sie sofort den Namen des Zielfensters vergeben?\n"
                             "(WICHTIG)"));
    EXPECT_TRUE(modalDialogs.empty());
    EXPECT_FALSE(QFileInfo::exists(settingsFile()));

    const QRect outer = main.frameGeometry();
    ASSERT_TRUE(close());
    EXPECT_EQ(setting("TabSheet1Name"), toCp1252(QStringLiteral("Sprüche")));
    EXPECT_EQ(setting("TabSheet7Name"), "USER3");
    EXPECT_EQ(setting("PosTop"), QByteArray::number(outer.left()));
    EXPECT_EQ(setting("PosLeft"), QByteArray::number(outer.top()));
    EXPECT_EQ(setting("GridHeight4"), "50");
    EXPECT_EQ(setting("FontSize"), std::nullopt);
    EXPECT_EQ(setting("FirstExecution"), std::nullopt);
    EXPECT_EQ(setting("ZielFenster"), std::nullopt);
    EXPECT_TRUE(
        readFile(QStringLiteral("Gitter_2.txt")).startsWith("p2 r0\t\r\np2 r1\t\r\np2 r2\t\r\n"));
}

TEST_F(StartupTest, TheShippedDefaultsStartWithoutAReportAndAskTheFirstRunQuestion) {
    const QDir defaults(QStringLiteral(QUIP_DEFAULTS_DIR));
    for (const QString& name : defaults.entryList(QDir::Files)) {
        const QString target =
            name.endsWith(QLatin1String(".INI")) ? settingsFile() : QDir::current().filePath(name);
        QFile::remove(target);
        ASSERT_TRUE(QFile::copy(defaults.filePath(name), target)) << name.toStdString();
    }
    TfMain& main = start();
    EXPECT_TRUE(errorTexts().empty());
    EXPECT_EQ(main.PageControl1->tabText(3), QStringLiteral("Smileys"));
    for (int page = 0; page < 4; ++page) {
        EXPECT_FALSE(model(page).Cells(0, 1).isEmpty()) << page;
    }
    EXPECT_EQ(model(3).Cells(1, 0), "Name");
    show();
    EXPECT_EQ(boxesOf(MessageBoxRequest::Confirmation).size(), 1u);
}

TEST_F(StartupTest, YesToTheFirstRunQuestionOpensTheOptionsAndItIsAskedOncePerRun) {
    confirmation = MessageBoxAnswer::Yes;
    TfMain& main = startWith(without(completeSettings(), "FirstExecution"));
    EXPECT_TRUE(main.FirstExecution());
    show();
    ASSERT_EQ(modalDialogs.size(), 1u);
    EXPECT_EQ(static_cast<QWidget*>(modalDialogs[0]),
              static_cast<QWidget*>(main.dialogs().options));
    EXPECT_EQ(setting("FirstExecution"), "0");

    // Shown again (as stay on top does), it asks nothing more.
    main.hide();
    main.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(boxesOf(MessageBoxRequest::Confirmation).size(), 1u);
}

TEST_F(StartupTest, FirstExecutionIsTrueForAnyNonZeroNumberAndForText) {
    for (const auto& [value, expected] : std::vector<std::pair<QByteArray, bool>>{
             {"0x20", true}, {"abc", true}, {"0", false}, {"$0", false}, {"-1", true}}) {
        EXPECT_EQ(startWith(changed(completeSettings(), "FirstExecution", value)).FirstExecution(),
                  expected)
            << value.toStdString();
        EXPECT_TRUE(errorTexts().empty());
        fMain.reset();
    }
}

TEST_F(StartupTest, AMissingPhraseFileIsReportedAndTheRestIsRead) {
    TfMain& main = startWithout("Gitter_1.txt", false);
    EXPECT_EQ(errorTexts(), std::vector<QString>{cannotOpen("Gitter_1.txt")});
    EXPECT_EQ(model(1).Cells(0, 1), "p2 r1");
    EXPECT_EQ(model(3).Cells(1, 2), "zwinkert");
    EXPECT_EQ(captions(main)[2], QStringLiteral("Seite 3"));
    EXPECT_EQ(main.targetTitle(), "Schnapsen - Chat");
    EXPECT_EQ(windowFontSize(main), 11);
    EXPECT_FALSE(main.FirstExecution());

    show();
    ASSERT_TRUE(close());
    for (int page = 1; page <= TfMain::kPageCount; ++page) {
        EXPECT_TRUE(QFileInfo::exists(QStringLiteral("Gitter_%1.txt").arg(page))) << page;
    }
}

TEST_F(StartupTest, AMissingHelpFileIsReportedAndTheProgramStartsNormally) {
    QFile::remove(QStringLiteral("Help.rtf"));
    TfMain& main = startWith(completeSettings());
    EXPECT_EQ(errorTexts(), std::vector<QString>{cannotOpen("Help.rtf")});
    EXPECT_EQ(main.targetTitle(), "Schnapsen - Chat");
    show();
    // Reported once, at start: the help command shows an empty viewer.
    main.Hilfe2->trigger();
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(main.dialogs().help->RichEdit1->document()->isEmpty());
    ASSERT_TRUE(close());
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("Help.rtf"))) << "nothing writes it";
}

// A missing page name is no failure, nor a missing FontSize, which only the options dialog
// writes. PosTop is the left edge and PosLeft the top; the outer frame comes back unchanged.
TEST_F(StartupTest, MissingKeysAreReportedIfNumbersAndTheRestIsAppliedAndWrittenBack) {
    const int designSize = windowFontSize(start());
    fMain.reset();
    boxes.clear();
    TfMain& main = startWith(
        without(without(without(completeSettings(), "FontSize"), "TabSheet3Name"), "GridHeight2"));
    EXPECT_EQ(errorTexts(), std::vector<QString>{notAnInteger("")});
    EXPECT_EQ(windowFontSize(main), designSize);
    EXPECT_EQ(model(1).DefaultRowHeight(), 50);
    EXPECT_EQ(captions(main)[2], QString());
    EXPECT_EQ(captions(main)[6], QStringLiteral("Seite 7"));
    EXPECT_EQ(model(6).DefaultRowHeight(), 27);
    EXPECT_EQ(windowFontName(main), QStringLiteral("DejaVu Sans"));
    show();
    EXPECT_EQ(main.frameGeometry(), QRect(100, 50, 400, 500));
    EXPECT_GT(main.frameGeometry().height(), main.geometry().height());
    ASSERT_TRUE(close());
    EXPECT_EQ(setting("PosTop"), "100");
    EXPECT_EQ(setting("PosLeft"), "50");
    EXPECT_EQ(setting("Width"), "400");
    EXPECT_EQ(setting("Height"), "500");
    EXPECT_EQ(setting("TabSheet3Name"), QByteArray());
}

TEST_F(StartupTest, AllFailuresComeInOneReportAndFailedKeysKeepTheirValues) {
    TfMain& main =
        startWithout("Gitter_2.txt", false,
                     changed(changed(completeSettings(), "FontSize", "abc"), "PosTop", ""));
    const QRect before = main.frameGeometry();
    EXPECT_EQ(errorTexts(), std::vector<QString>{cannotOpen("Gitter_2.txt") + '\n' +
                                                 notAnInteger("abc") + '\n' + notAnInteger("")});
    show();
    // PosTop (the left edge) failed; PosLeft (the top edge) and the size were applied.
    EXPECT_EQ(main.frameGeometry(), QRect(before.left(), 50, 400, 500));
    EXPECT_EQ(captions(main)[0], QStringLiteral("Seite 1"));
}

// Values no user can mend from inside the program: a present but empty FontSize is still
// one of them and reported.
TEST_F(StartupTest, RowHeightsBelowOneAndAnEmptyFontSizeAreReportedAndTheDesignValuesKept) {
    SettingsLines settings = changed(completeSettings(), "GridHeight2", "0");
    settings = changed(changed(settings, "GridHeight3", "-5"), "FontSize", "");
    startWith(settings);
    EXPECT_EQ(errorTexts(),
              std::vector<QString>{notAnInteger("") + '\n' +
                                   QStringLiteral("'0' ist kein gültiger Wert für GridHeight2.\n"
                                                  "'-5' ist kein gültiger Wert für GridHeight3.")});
    EXPECT_EQ(model(1).DefaultRowHeight(), 50);
    EXPECT_EQ(model(2).DefaultRowHeight(), 50);
    EXPECT_EQ(model(3).DefaultRowHeight(), 24);
    show();
    ASSERT_TRUE(close());
    EXPECT_EQ(setting("GridHeight2"), "50");
}

// Whatever the file says, the whole frame lands on the screen's available area, the caption
// bar included, and close stores what the user saw.
TEST_F(StartupTest, AStoredPlacementIsKeptWithinTheAvailableAreaOfAScreen) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const std::vector<std::vector<std::pair<QByteArray, QByteArray>>> placements = {
        {{"Width", "2147483647"}, {"Height", "99999"}},
        {{"Width", "20000"}, {"Height", "20000"}},
        {{"PosLeft", "-500"}},
        {{"PosTop", "-300"}, {"PosLeft", "-2147483648"}, {"Width", "-7"}},
        {{"PosTop", QByteArray::number(area.right() - 50)}},
    };
    for (const auto& placement : placements) {
        SettingsLines settings = completeSettings();
        for (const auto& [key, value] : placement) {
            settings = changed(settings, key, value);
        }
        TfMain& main = startWith(settings);
        show();
        const QRect outer = main.frameGeometry();
        EXPECT_TRUE(area.contains(outer))
            << placement.front().first.toStdString() << ": " << outer.x() << "," << outer.y() << " "
            << outer.width() << "x" << outer.height();
        ASSERT_TRUE(close());
        EXPECT_EQ(setting("Width"), QByteArray::number(outer.width()));
        fMain.reset();
    }
    EXPECT_TRUE(errorTexts().empty());
}

TEST_F(StartupTest, APlacementOffEveryScreenIsMovedOntoThePrimaryScreen) {
    TfMain& main =
        startWith(changed(changed(completeSettings(), "PosTop", "-5000"), "PosLeft", "9000"));
    show();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_TRUE(screen.contains(main.frameGeometry())) << main.frameGeometry().x();
    EXPECT_EQ(main.frameGeometry().size(), QSize(400, 500));
}

// The text of an open editor counts as a change; a page that failed to load and was not
// changed is left as it is.
TEST_F(StartupTest, CloseSavesChangedPagesWithTheOpenEditorAndNoOther) {
    TfMain& main = startWithout("Gitter_2.txt", true);
    EXPECT_EQ(errorTexts(), std::vector<QString>{cannotOpen("Gitter_2.txt")});
    show();
    TPhraseGrid& grid = *main.grd[0];
    grid.setFocus();
    grid.model().setCurrentCell(0, 1);
    grid.ShowEditor();
    ASSERT_NE(grid.InplaceEditor(), nullptr);
    QTest::keyClicks(grid.InplaceEditor(), QStringLiteral("getippt"));
    ASSERT_TRUE(close());
    EXPECT_TRUE(QFileInfo(QStringLiteral("Gitter_2.txt")).isDir());
    EXPECT_TRUE(readFile(QStringLiteral("Gitter_1.txt")).startsWith("p1 r0\t\r\ngetippt\t\r\n"));
}

// Every file is tried, the failures come in one report, and "&Nein" to ending anyway keeps
// the program open; "&Ja" ends it.
TEST_F(StartupTest, AFailedCloseIsReportedAndTheWindowStaysOpen) {
    TfMain& main = startWithout("Gitter_2.txt", true);
    show();
    boxes.clear();
    // The user filled the page that could not be loaded: now it is written, and fails.
    model(1).setCells(0, 0, "wichtig");
    model(0).setCells(0, 0, "neu");
    model(2).setCells(0, 0, "neu");
    EXPECT_FALSE(close());
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(errorTexts(), std::vector<QString>{cannotCreate("Gitter_2.txt")});
    const auto questions = boxesOf(MessageBoxRequest::Confirmation);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].caption, QStringLiteral("Bestätigung"));
    EXPECT_EQ(questions[0].text, QStringLiteral("Trotzdem beenden?"));
    EXPECT_EQ(questions[0].defaultAnswer, MessageBoxAnswer::No) << "Enter keeps it open";
    EXPECT_TRUE(readFile(QStringLiteral("Gitter_1.txt")).startsWith("neu\t\r\n"));
    EXPECT_TRUE(readFile(QStringLiteral("Gitter_3.txt")).startsWith("neu\t\r\n"));

    confirmation = MessageBoxAnswer::Yes;
    EXPECT_TRUE(close());
    EXPECT_TRUE(QFileInfo(QStringLiteral("Gitter_2.txt")).isDir());
}

TEST_F(StartupTest, AnUnreadableSettingsFileIsReportedOnceAndNeverOverwritten) {
    writePhraseFiles();
    ASSERT_TRUE(QDir().mkdir(settingsFile()));
    TfMain& main = start();
    const QString path = main.settingsPath();
    EXPECT_EQ(QFileInfo(path).absoluteFilePath(), QDir::current().absoluteFilePath(settingsFile()));
    EXPECT_EQ(errorTexts(), std::vector<QString>{
                                QStringLiteral("Datei %1 kann nicht geöffnet werden.").arg(path)});
    EXPECT_FALSE(main.FirstExecution());
    show();
    boxes.clear();
    model(0).setCells(0, 0, "neu");
    // Skipped without a word: the phrase files are saved and the program ends.
    EXPECT_TRUE(close());
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_TRUE(readFile(QStringLiteral("Gitter_1.txt")).startsWith("neu\t\r\n"));
}

TEST_F(StartupTest, SaveAndLoadStopAtTheFirstFailingFile) {
    TfMain& main = startWithout("Gitter_3.txt", true);
    boxes.clear();
    model(0).setCells(0, 1, "neu");
    model(1).setCells(0, 1, "neu");
    model(3).setCells(1, 1, "neu");
    main.Speichern1->trigger();
    EXPECT_EQ(errorTexts(), std::vector<QString>{cannotCreate("Gitter_3.txt")});
    EXPECT_TRUE(readFile(QStringLiteral("Gitter_2.txt")).startsWith("p2 r0\t\r\nneu\t\r\n"));
    EXPECT_EQ(readFile(QStringLiteral("Gitter_4.txt")).indexOf("neu"), -1);

    boxes.clear();
    writeFile(QStringLiteral("Gitter_1.txt"), "eins\r\n");
    writeFile(QStringLiteral("Gitter_4.txt"), "vier\r\n");
    main.Laden1->trigger();
    EXPECT_EQ(errorTexts(), std::vector<QString>{cannotOpen("Gitter_3.txt")});
    EXPECT_EQ(model(0).Cells(0, 0), "eins");
    EXPECT_EQ(model(3).Cells(1, 1), "neu");
}
