#include "runtime/FileBytes.h"

#include <QFile>
#include <QSaveFile>

namespace {

// Files are copied in pieces of this size: little memory whatever their size.
constexpr qint64 kCopyChunk = 64 * 1024;

} // namespace

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

bool replaceFile(const QString& fileName, const std::function<bool(QIODevice&)>& write) {
    // No direct-write fallback: writing the file in place would empty it first, and a
    // failure or a kill halfway would leave it cut.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    // Flushed by hand: commit() would put a file in place whose buffered tail failed to
    // write. An uncommitted QSaveFile removes its temporary file when it goes.
    return write(file) && file.error() == QFileDevice::NoError && file.flush() && file.commit();
}

bool replaceFileBytes(const QString& fileName, const QByteArray& bytes) {
    return replaceFile(fileName,
                       [&bytes](QIODevice& file) { return file.write(bytes) == bytes.size(); });
}

bool copyFile(const QString& fileName, const QString& copyName) {
    QFile source(fileName);
    if (!source.open(QIODevice::ReadOnly)) {
        return false;
    }
    return replaceFile(copyName, [&source](QIODevice& copy) {
        while (!source.atEnd()) {
            const QByteArray chunk = source.read(kCopyChunk);
            if (chunk.isEmpty() || copy.write(chunk) != chunk.size()) {
                return false;
            }
        }
        return source.error() == QFileDevice::NoError;
    });
}
