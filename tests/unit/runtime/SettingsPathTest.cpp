#include "runtime/SettingsPath.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(SettingsPath, IsTheLowerCasedProgramNameInTheGivenCurrentDirectory) {
    EXPECT_EQ(settingsFileName(QStringLiteral("C:/Programme/Quipsender.exe")),
              QStringLiteral("quipsender.INI"));
    EXPECT_EQ(settingsFileName(QStringLiteral("D:/QUIP.EXE")), QStringLiteral("quip.INI"));
    EXPECT_EQ(settingsFileName(QStringLiteral("/opt/Quip/QuipSender")),
              QStringLiteral("quipsender.INI"));
    EXPECT_EQ(settingsPath(QStringLiteral("/home/anna/karten"), QStringLiteral("/opt/quipsender")),
              QDir::toNativeSeparators(QStringLiteral("/home/anna/karten/quipsender.INI")));
    EXPECT_EQ(settingsPath(QStringLiteral("/"), QStringLiteral("/opt/quipsender")),
              QDir::toNativeSeparators(QStringLiteral("/quipsender.INI")));
    EXPECT_EQ(settingsPath(QStringLiteral("/tmp/"), QStringLiteral("Quipsender.exe")),
              QDir::toNativeSeparators(QStringLiteral("/tmp/quipsender.INI")));
}
