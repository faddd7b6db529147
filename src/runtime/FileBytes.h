#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

class QIODevice;

// Whole files as bytes, for the program's own files. Callers report failures with their own
// messages.

// The file's bytes; nothing when it cannot be opened (a missing file, a folder) or read.
std::optional<QByteArray> readFileBytes(const QString& fileName);

// Replaces the file with what write puts into the device, atomically: the new contents go
// to a temporary file beside it, which takes the file's place only once it is complete. On
// any failure (write returning false, a full disk, a folder that takes no new files) the
// old file stays exactly as it was and no temporary file is left. False on failure.
bool replaceFile(const QString& fileName, const std::function<bool(QIODevice&)>& write);

// The same with the bytes at hand.
bool replaceFileBytes(const QString& fileName, const QByteArray& bytes);

// Copies the file, replacing the copy atomically. False when the file cannot be read or the
// copy not written.
bool copyFile(const QString& fileName, const QString& copyName);
