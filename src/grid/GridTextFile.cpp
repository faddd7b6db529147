#include "GridTextFile.h"

#include "GridText.h"
#include "Messages.h"
#include "QuipError.h"

#include <QBuffer>
#include <QFile>
#include <QSaveFile>

void SaveToFile(const StringGridData& grid, const QString& fileName) {
    const std::unique_ptr<QBuffer> text = ExportText(grid, gridTextSeparator, wholeGridText);
    const QByteArray& bytes = text->data();
    QSaveFile file(fileName);
    // A writable file in a folder that takes no new files is still saved, in place.
    file.setDirectWriteFallback(true);
    // Flushed by hand: commit() would rename a file whose buffered tail failed to write.
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() ||
        !file.commit()) {
        throw QuipError::format(Messages::kCannotCreateFile, fileName);
    }
}

void LoadFromFile(StringGridData& grid, const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        throw QuipError::format(Messages::kCannotOpenFile, fileName);
    }
    // Read it all before touching the grid, so that a read error changes nothing.
    const QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        throw QuipError::format(Messages::kCannotOpenFile, fileName);
    }
    ImportText(grid, text, gridTextSeparator, wholeGridText);
}
