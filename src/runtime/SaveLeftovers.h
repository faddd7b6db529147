#pragma once

#include <QString>
#include <QStringList>

// A save that was killed halfway leaves its temporary file beside the file it was to
// replace: QSaveFile names it after that file, a ".", and six random letters and digits.
// Nothing else ever removes it.
//
// Removes those of the named files (bare names in the folder). A suffix of one kind of
// character only (".backup", ".BACKUP", ".123456") is taken for a name a user gave and left
// alone; a rare temporary file of that kind stays.
void removeSaveLeftovers(const QString& folder, const QStringList& fileNames);
