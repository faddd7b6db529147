#pragma once

#include "app/ProgramWindows.h"
#include "app/TfMain.h"
#include "runtime/SettingsPath.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

// The current directory of a test that starts the real program on a real desktop: a help
// file, seven empty phrase pages, and settings that name "Schnapsen - Chat" as the target.
// The directory before is current again at the end. The program is started in it and
// sent from as a user does.
class ScratchProgramDirectory {
public:
    ScratchProgramDirectory() : previous_(QDir::currentPath()) {
        EXPECT_TRUE(directory_.isValid());
        QDir::setCurrent(directory_.path());
        QFile help(QStringLiteral("Help.rtf"));
        EXPECT_TRUE(help.open(QIODevice::WriteOnly));
        help.write("{\\rtf1 Hilfe}");
        for (int page = 1; page <= TfMain::kPageCount; ++page) {
            QFile phrases(QStringLiteral("Gitter_%1.txt").arg(page));
            EXPECT_TRUE(phrases.open(QIODevice::WriteOnly));
        }
    }
    ~ScratchProgramDirectory() { QDir::setCurrent(previous_); }
    ScratchProgramDirectory(const ScratchProgramDirectory&) = delete;
    ScratchProgramDirectory& operator=(const ScratchProgramDirectory&) = delete;

    // The settings file, named after the running executable as the program names it.
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

    // The program's windows made from those files and the main window shown.
    static std::unique_ptr<TfMain> startProgram(bool sendEnter) {
        writeSettings(sendEnter);
        std::unique_ptr<TfMain> main = createProgramWindows();
        main->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(main.get()));
        return main;
    }

    // What the user does: the text in the preview box, then a click on Senden.
    static void send(TfMain& main, const QString& text) {
        main.Memo1->setPlainText(text);
        main.btn_Send->click();
    }

private:
    QString previous_;
    QTemporaryDir directory_;
};
