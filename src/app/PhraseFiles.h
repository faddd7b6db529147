#pragma once

#include <QString>
#include <QStringList>

// The phrase pages, each with its file.
inline constexpr int kPhrasePageCount = 7;

// The phrase file of a page (0 to 6): "Gitter_1.txt" ... "Gitter_7.txt", a bare name, so it
// lies in the current directory.
QString phraseFileName(int page);

// Where the old phrase file is kept before a page that was not read whole is written.
QString phraseBackupName(int page);

// The notice that the page's phrase file was read only up to a NUL byte.
QString readUpToNulNotice(int page);

// Every file the program writes: the settings file (its bare name), the phrase files and
// their backups.
QStringList ownFileNames(const QString& settingsFileName);
