#pragma once

class QString;
class StringGridModel;

// The phrase files: the whole grid in the grid's text layout with TAB separators. The file
// name is used as passed (a bare name lies in the current directory) and stands for %s in the
// messages.

// Replaces the file atomically: a failed save leaves an existing file as it was. Throws
// QuipError "Datei %s kann nicht erstellt werden" when the file cannot be written.
void SaveToFile(const StringGridModel& grid, const QString& fileName);

// Reads the file into the grid from cell (0, 0) on. Throws QuipError "Datei %s kann nicht
// geöffnet werden", with the grid unchanged, when the file cannot be opened or read.
void LoadFromFile(StringGridModel& grid, const QString& fileName);
