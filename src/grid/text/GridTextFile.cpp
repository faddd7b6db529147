#include "grid/text/GridTextFile.h"

#include "grid/text/GridText.h"
#include "runtime/FileBytes.h"
#include "runtime/Messages.h"
#include "runtime/QuipError.h"

#include <QBuffer>

#include <optional>

void SaveToFile(const StringGridModel& grid, const QString& fileName) {
    const std::unique_ptr<QBuffer> text = ExportText(grid, kGridTextSeparator, kWholeGridText);
    if (!replaceFileBytes(fileName, text->data())) {
        throw QuipError::format(Messages::kCannotCreateFile, fileName);
    }
}

void LoadFromFile(StringGridModel& grid, const QString& fileName) {
    // Read whole before the grid is touched, so that a failed read changes nothing.
    const std::optional<QByteArray> text = readFileBytes(fileName);
    if (!text) {
        throw QuipError::format(Messages::kCannotOpenFile, fileName);
    }
    ImportText(grid, *text, kGridTextSeparator, kWholeGridText);
}
