#include "app/PhraseFiles.h"

#include "runtime/Messages.h"
#include "runtime/QuipError.h"

QString phraseFileName(int page) {
    return QStringLiteral("Gitter_%1.txt").arg(page + 1);
}

QString phraseBackupName(int page) {
    return phraseFileName(page) + QStringLiteral(".bak");
}

QString readUpToNulNotice(int page) {
    return QuipError::format(Messages::kReadUpToNul, phraseFileName(page)).message();
}

QStringList ownFileNames(const QString& settingsFileName) {
    QStringList names{settingsFileName};
    for (int page = 0; page < kPhrasePageCount; ++page) {
        names << phraseFileName(page) << phraseBackupName(page);
    }
    return names;
}
