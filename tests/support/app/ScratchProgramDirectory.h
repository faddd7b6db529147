#pragma once

#include "app/TfMain.h"
#include "runtime/SettingsPath.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The current directory of a test that starts the real program on a real desktop: a help
// file, seven empty phrase pages, and settings that name "Schnapsen - Chat" as the target.
// The directory before is current again at the end.
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

private:
    QString previous_;
    QTemporaryDir directory_;
};
