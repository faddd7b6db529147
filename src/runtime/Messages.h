#pragma once

#include <QString>

// The program's German messages; "%s" stands for the file name, path or text.
namespace Messages {
inline const QString kCannotOpenFile = QStringLiteral("Datei %s kann nicht geöffnet werden");
inline const QString kCannotCreateFile = QStringLiteral("Datei %s kann nicht erstellt werden");
inline const QString kCannotWriteTo = QStringLiteral("nach %s kann nicht geschrieben werden");
inline const QString kNotAnInteger = QStringLiteral("'%s' ist kein gültiger Integerwert");
// A whole number that the key cannot take: the text read, then the key.
inline const QString kInvalidValue = QStringLiteral("'%s' ist kein gültiger Wert für %s");
// A phrase file read only up to its first NUL byte.
inline const QString kReadUpToNul =
    QStringLiteral("Datei %s enthält ein Nullzeichen und wurde nur bis dorthin gelesen");
} // namespace Messages
