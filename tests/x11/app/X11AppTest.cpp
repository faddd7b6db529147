#include "support/app/ScratchProgramDirectory.h"
#include "support/x11/X11AppSession.h"
#include "support/x11/X11TestSession.h"

#include "app/ProgramWindows.h"
#include "dialogs/TfHelp.h"
#include "dialogs/TfRename.h"
#include "grid/editing/InplaceEdit.h"
#include "grid/view/PhraseGrid.h"
#include "runtime/MessageBoxes.h"
#include "runtime/SettingsPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// The program in a scratch directory whose settings name the chat window as the target.
class X11AppTest : public ::testing::Test {
protected:
    ~X11AppTest() override { fMain.reset(); }

    static QString settingsFile() { return ScratchProgramDirectory::settingsFile(); }

    void start(bool sendEnter) { fMain = ScratchProgramDirectory::startProgram(sendEnter); }

    void send(const QString& text) { ScratchProgramDirectory::send(*fMain, text); }

    std::unique_ptr<TfMain> fMain;

private:
    // No box may wait for a user here.
    ScopedMessageBoxPresenter boxes_{[](const MessageBoxRequest& box) {
        ADD_FAILURE() << box.text.toStdString();
        return MessageBoxAnswer::Ok;
    }};
    ScratchProgramDirectory directory_;
};

} // namespace

TEST_F(X11AppTest, SendTypesThePreviewIntoTheTargetWindow) {
    ChatTargetWindow chat(testDisplay(), "Schnapsen - Chat");
    start(false);
    send(QStringLiteral("Grüß dich {x} [7] @all ~|"));
    EXPECT_EQ(chat.waitForText("Grüß dich {x} [7] @all ~|"), "Grüß dich {x} [7] @all ~|");
}

TEST_F(X11AppTest, AutoEnterTypesEnterAfterTheText) {
    ChatTargetWindow chat(testDisplay(), "Schnapsen - Chat im Browser");
    start(true);
    send(QStringLiteral("Gut gespielt!"));
    EXPECT_EQ(chat.waitForText("Gut gespielt!\n"), "Gut gespielt!\n");
}

TEST_F(X11AppTest, ThePlacementComesBackUnchangedUnderAWindowManager) {
    start(false);
    // The window manager frames the window a moment after it is shown.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return fMain->frameGeometry() != fMain->geometry() &&
                   fMain->frameGeometry() == QRect(100, 50, 400, 500);
        },
        5000))
        << fMain->frameGeometry().x() << "," << fMain->frameGeometry().y() << " "
        << fMain->frameGeometry().width() << "x" << fMain->frameGeometry().height();
    QSignalSpy ended(fMain.get(), &TfMain::shutdownComplete);
    fMain->close();
    ASSERT_EQ(ended.count(), 1);
    QFile file(settingsFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray settings = file.readAll();
    EXPECT_TRUE(settings.contains("PosTop=100\r\nPosLeft=50\r\nWidth=400\r\nHeight=500\r\n"))
        << settings.toStdString();
}

namespace {

// What a user at the real keyboard and mouse does to the running program.
class X11UserTest : public X11AppTest {
protected:
    X11UserTest() : user(testDisplay().name()) {}

    // The middle of a cell of page 1, on the screen.
    QPoint cellOnScreen(int col, int row) const {
        const TPhraseGrid& grid = *fMain->grd[0];
        return grid.viewport()->mapToGlobal(grid.CellRect(col, row).center());
    }
    void clickAt(QPoint at) { user.click(at.x(), at.y()); }
    static bool waitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done, 5000); }
    void startFramed() {
        start(false);
        // Clicks go by the window's place on the screen, which the window manager decides.
        ASSERT_TRUE(waitFor([&] { return fMain->frameGeometry() != fMain->geometry(); }));
        QTest::qWait(200);
    }
    // Page 1's file as the grid writes it: these rows, then its empty ones.
    QByteArray pageFile(const QByteArrayList& rows) const {
        QByteArray file;
        for (int row = 0; row < fMain->grd[0]->model().RowCount(); ++row) {
            file += (row < rows.size() ? rows[row] : QByteArray()) + "\t\r\n";
        }
        return file;
    }
    QByteArray closeAndRead(const QString& name) {
        QSignalSpy ended(fMain.get(), &TfMain::shutdownComplete);
        fMain->close();
        EXPECT_EQ(ended.count(), 1);
        QFile file(name);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    X11User user;
};

} // namespace

TEST_F(X11UserTest, TypingAfterTheEditedRowWasDeletedGoesWhereTheUserClicked) {
    {
        QFile phrases(QStringLiteral("Gitter_1.txt"));
        ASSERT_TRUE(phrases.open(QIODevice::WriteOnly));
        phrases.write("Eins\r\nZwei\r\nDrei\r\nVier\r\n");
    }
    startFramed();
    TPhraseGrid& grid = *fMain->grd[0];
    clickAt(cellOnScreen(0, 1));
    ASSERT_TRUE(waitFor([&] { return grid.isActiveControl() && grid.model().Row() == 1; }));
    user.key("F2");
    ASSERT_TRUE(waitFor([&] { return grid.InplaceEditor() && grid.InplaceEditor()->isVisible(); }));
    user.key("Delete", true);
    ASSERT_TRUE(waitFor([&] { return grid.model().Cells(0, 1) == "Drei"; }));

    QPlainTextEdit& preview = *fMain->Memo1;
    clickAt(preview.viewport()->mapToGlobal(preview.viewport()->rect().center()));
    EXPECT_TRUE(waitFor([&] { return preview.hasFocus(); }));
    for (const char* letter : {"a", "b", "c"}) {
        user.key(letter);
    }
    EXPECT_TRUE(waitFor([&] { return preview.toPlainText() == QStringLiteral("abc"); }))
        << preview.toPlainText().toStdString();
    EXPECT_EQ(grid.model().Cells(0, 1), "Drei");
    EXPECT_EQ(closeAndRead(QStringLiteral("Gitter_1.txt")), pageFile({"Eins", "Drei", "Vier"}));
}

TEST_F(X11UserTest, ADeadKeyAndALetterOnAClosedCellStartTheEditorWithTheComposedCharacter) {
    startFramed();
    TPhraseGrid& grid = *fMain->grd[0];
    clickAt(cellOnScreen(0, 1));
    ASSERT_TRUE(waitFor([&] { return grid.isActiveControl() && grid.model().Row() == 1; }));
    ASSERT_FALSE(grid.EditorMode());
    user.key("dead_acute");
    user.key("e");
    EXPECT_TRUE(waitFor([&] { return grid.InplaceEditor() && grid.InplaceEditor()->isVisible(); }));
    ASSERT_NE(grid.InplaceEditor(), nullptr);
    EXPECT_TRUE(waitFor([&] { return grid.InplaceEditor()->Text() == "\xE9"; }))
        << grid.InplaceEditor()->Text().toStdString();
    clickAt(cellOnScreen(0, 2));
    EXPECT_TRUE(waitFor([&] { return grid.model().Cells(0, 1) == "\xE9"; }));
}

namespace {

QString describe(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The window manager has framed the window and the frame stays where it is.
bool framedAt(const QWidget& window, const std::function<bool(const QRect&)>& wanted) {
    return QTest::qWaitFor(
        [&] {
            return window.frameGeometry() != window.geometry() && wanted(window.frameGeometry());
        },
        5000);
}

} // namespace

// Both dialogs are placed before the window manager has framed them: what counts is where
// the frame ends up.
TEST_F(X11AppTest, TheRenameDialogAndTheHelpWindowSitWhereTheyBelongAtTheirFirstOpening) {
    start(false);
    ASSERT_TRUE(framedAt(*fMain, [](const QRect& r) { return r == QRect(100, 50, 400, 500); }));

    fMain->Umbenennen1->trigger();
    const TfRename& rename = *fMain->dialogs().rename;
    EXPECT_TRUE(framedAt(rename, [](const QRect& r) { return r.topLeft() == QPoint(300, 150); }))
        << describe(rename.frameGeometry()).toStdString();

    fMain->Hilfe2->trigger();
    const TfHelp& help = *fMain->dialogs().help;
    const QPoint screenCentre = help.screen()->geometry().center();
    EXPECT_TRUE(framedAt(help, [&](const QRect& r) {
        return r.size() == QSize(622, 542) && (r.center() - screenCentre).manhattanLength() <= 2;
    })) << describe(help.frameGeometry()).toStdString();
}
