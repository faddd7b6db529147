#pragma once

#include <QString>

// The German messages of the runtime's errors; "%s" stands for the file name, path or text.
namespace Messages {
inline const QString kCannotOpenFile = QStringLiteral("Datei %s kann nicht geöffnet werden");
inline const QString kCannotCreateFile = QStringLiteral("Datei %s kann nicht erstellt werden");
inline const QString kCannotWriteTo = QStringLiteral("nach %s kann nicht geschrieben werden");
inline const QString kNotAnInteger = QStringLiteral("'%s' ist kein gültiger Integerwert");
} // namespace Messages
