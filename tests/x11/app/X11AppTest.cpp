#include "support/x11/X11AppSession.h"
#include "support/x11/X11TestSession.h"

#include "app/ProgramWindows.h"
#include "dialogs/TfHelp.h"
#include "dialogs/TfRename.h"
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
    X11AppTest() : previous_(QDir::currentPath()) {
        QDir::setCurrent(QString::fromStdString(directory_.path().string()));
        QFile help(QStringLiteral("Help.rtf"));
        EXPECT_TRUE(help.open(QIODevice::WriteOnly));
        help.write("{\\rtf1 Hilfe}");
        for (int page = 1; page <= TfMain::kPageCount; ++page) {
            QFile phrases(QStringLiteral("Gitter_%1.txt").arg(page));
            EXPECT_TRUE(phrases.open(QIODevice::WriteOnly));
        }
    }
    ~X11AppTest() override {
        fMain.reset();
        QDir::setCurrent(previous_);
    }

    static QString settingsFile() {
        return settingsFileName(QCoreApplication::applicationFilePath());
    }
    static void writeSettings(bool sendEnter) {
        QFile file(settingsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Options]\r\nZielFenster=Schnapsen - Chat\r\nFontSize=9\r\nPosTop=100\r\n"
                   "PosLeft=50\r\nWidth=400\r\nHeight=500\r\nFirstExecution=0\r\nSendEnter=");
        file.write(sendEnter ? "1\r\n" : "0\r\n");
        for (int page = 1; page <= TfMain::kPageCount; ++page) {
            file.write("GridHeight" + QByteArray::number(page) + "=50\r\n");
        }
    }

    void start(bool sendEnter) {
        writeSettings(sendEnter);
        fMain = createProgramWindows();
        fMain->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(fMain.get()));
    }

    void send(const QString& text) {
        fMain->Memo1->setPlainText(text);
        fMain->btn_Send->click();
    }

    std::unique_ptr<TfMain> fMain;

private:
    // No box may wait for a user here.
    ScopedMessageBoxPresenter boxes_{[](const MessageBoxRequest& box) {
        ADD_FAILURE() << box.text.toStdString();
        return MessageBoxAnswer::Ok;
    }};
    TemporaryDirectory directory_;
    QString previous_;
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
