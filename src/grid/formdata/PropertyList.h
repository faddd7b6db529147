#pragma once

#include <QByteArray>

class FormDataReader;
class FormDataWriter;
class PhraseGridModel;

// A grid's stored properties as a property list (layout in FormDataFormat.h): the name and
// value of each property that DefineProperties says is to be written, in the order they are
// defined, closed by an empty name.
void writePropertyList(PhraseGridModel& grid, FormDataWriter& writer);
QByteArray writePropertyList(PhraseGridModel& grid);

// Reads a property list up to its empty name, each value through its property's reader. A
// name the grid does not define has its value passed over. A malformed value throws
// QuipError ("Ungültiger Wert der Eigenschaft"); what was read before it stays read. The
// after-loading step is not run here: it follows once every property of the form is read.
void readPropertyList(PhraseGridModel& grid, FormDataReader& reader);
void readPropertyList(PhraseGridModel& grid, const QByteArray& data);
