#include "grid/text/GridTextFile.h"

#include "grid/text/GridText.h"
#include "runtime/FileBytes.h"
#include "runtime/Messages.h"
#include "runtime/QuipError.h"

#include <QIODevice>

#include <optional>

void SaveToFile(const StringGridModel& grid, const QString& fileName) {
    const bool saved = replaceFile(fileName, [&grid](QIODevice& file) {
        ExportText(grid, file, kGridTextSeparator, kWholeGridText);
        return true;
    });
    if (!saved) {
        throw QuipError::format(Messages::kCannotCreateFile, fileName);
    }
}

FileLoad LoadFromFile(StringGridModel& grid, const QString& fileName) {
    // Read whole before the grid is touched, so that a failed read changes nothing.
    const std::optional<QByteArray> text = readFileBytes(fileName);
    if (!text) {
        throw QuipError::format(Messages::kCannotOpenFile, fileName);
    }
    ImportText(grid, *text, kGridTextSeparator, kWholeGridText);
    return text->contains('\0') ? FileLoad::UpToNul : FileLoad::Whole;
}
