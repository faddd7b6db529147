#include "runtime/SaveLeftovers.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr qsizetype kRandomLength = 6;

bool isRandomSuffix(QStringView suffix) {
    if (suffix.size() != kRandomLength) {
        return false;
    }
    bool upper = false;
    bool lower = false;
    bool digit = false;
    for (const QChar c : suffix) {
        if (c >= u'A' && c <= u'Z') {
            upper = true;
        } else if (c >= u'a' && c <= u'z') {
            lower = true;
        } else if (c >= u'0' && c <= u'9') {
            digit = true;
        } else {
            return false;
        }
    }
    return int(upper) + int(lower) + int(digit) >= 2;
}

} // namespace

void removeSaveLeftovers(const QString& folder, const QStringList& fileNames) {
    const QDir dir(folder);
    const QFileInfoList entries = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& entry : entries) {
        if (entry.isSymLink()) {
            continue;
        }
        const QString name = entry.fileName();
        for (const QString& fileName : fileNames) {
            if (name.size() == fileName.size() + 1 + kRandomLength && name.startsWith(fileName) &&
                name[fileName.size()] == u'.' &&
                isRandomSuffix(QStringView(name).sliced(fileName.size() + 1))) {
                QFile::remove(entry.filePath());
                break;
            }
        }
    }
}
