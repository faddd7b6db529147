#pragma once

class QString;
class StringGridModel;

// The phrase files: the whole grid in the grid's text layout with TAB separators. The file
// name is used as passed (a bare name lies in the current directory) and stands for %s in the
// messages.

// Replaces the file atomically: a failed save leaves an existing file as it was. Throws
// QuipError "Datei %s kann nicht erstellt werden" when the file cannot be written. The text
// goes to the file as it is made, so a grid of many empty cells costs no memory for it.
void SaveToFile(const StringGridModel& grid, const QString& fileName);

// How much of a file LoadFromFile read.
enum class FileLoad {
    Whole,
    // A NUL byte ended the text, as it does in the layout: what follows it was not read.
    UpToNul,
};

// Reads the file into the grid from cell (0, 0) on. Throws QuipError "Datei %s kann nicht
// geöffnet werden", with the grid unchanged, when the file cannot be opened or read.
FileLoad LoadFromFile(StringGridModel& grid, const QString& fileName);
