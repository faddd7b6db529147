#include "runtime/SettingsPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString settingsFileName(const QString& executablePath) {
    QString name = QFileInfo(executablePath).fileName().toLower();
    if (name.endsWith(QLatin1String(".exe"))) {
        name.chop(3);
    } else {
        name += QLatin1Char('.');
    }
    return name + QLatin1String("INI");
}

QString settingsPath(const QString& currentDirectory, const QString& executablePath) {
    QString directory = QDir::fromNativeSeparators(currentDirectory);
    if (!directory.endsWith(QLatin1Char('/'))) {
        directory += QLatin1Char('/');
    }
    return QDir::toNativeSeparators(directory + settingsFileName(executablePath));
}

QString settingsPath() {
    return settingsPath(QDir::currentPath(), QCoreApplication::applicationFilePath());
}
