#include "app/PhraseFiles.h"

QString phraseFileName(int page) {
    return QStringLiteral("Gitter_%1.txt").arg(page + 1);
}
