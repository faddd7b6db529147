#pragma once

#include <QString>

// The settings file lies in the current directory and is named after the executable:
// lower-cased, "Quipsender.exe" less its last three characters plus "INI", which is
// "quipsender.INI"; an executable without ".exe" ("quipsender") gets the same name.
QString settingsFileName(const QString& executablePath);

// Current directory, the platform's separator, settingsFileName. The executable is the
// running application's (QCoreApplication must exist); the directory is queried now.
QString settingsPath();
QString settingsPath(const QString& currentDirectory, const QString& executablePath);
