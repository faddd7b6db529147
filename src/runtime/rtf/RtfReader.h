#pragma once

#include <QByteArrayView>
#include <QString>

class QTextDocument;

// Replaces the document's content with the rich text. Understood: the font and colour
// tables, bold, italic, underline, strike-out, hidden text, super- and subscript, font and
// size, text and highlight colour, paragraphs, line breaks, tabs, alignment, indents and
// spacing, bullet and numbered lists, \'hh in cp1252 and \uN with its fallback. Other
// destinations (\*, \info, \stylesheet, \pict, headers, ...) are skipped. Text that does not
// start with "{\rtf" is shown as plain cp1252 text, as rich-text viewers do. Any input is
// read without crashing: junk is ignored, a cut-off file shows what it got.
// The document's default font stays; properties the text does not set come from it.
void readRtf(QByteArrayView rtf, QTextDocument& document);

// Reads the named file into the document; a file that cannot be opened raises QuipError
// "Datei <fileName> kann nicht geöffnet werden" and leaves the document as it was.
void loadRtfFile(const QString& fileName, QTextDocument& document);
