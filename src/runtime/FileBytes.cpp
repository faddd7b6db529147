#include "runtime/FileBytes.h"

#include <QFile>
#include <QSaveFile>

std::optional<QByteArray> readFileBytes(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return bytes;
}

bool replaceFileBytes(const QString& fileName, const QByteArray& bytes) {
    QSaveFile file(fileName);
    file.setDirectWriteFallback(true);
    // Flushed by hand: commit() would put a file in place whose buffered tail failed to
    // write.
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
           file.commit();
}
