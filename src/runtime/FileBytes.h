#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Whole files as bytes, for the program's own files. Callers report failures with their own
// messages.

// The file's bytes; nothing when it cannot be opened (a missing file, a folder) or read.
std::optional<QByteArray> readFileBytes(const QString& fileName);

// Replaces the file's contents with the bytes, atomically: on failure an existing file stays
// as it was. A writable file in a folder that takes no new files is written in place. False
// when the bytes could not all be stored.
bool replaceFileBytes(const QString& fileName, const QByteArray& bytes);
