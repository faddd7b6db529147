#pragma once

class QFont;
class TMyFont;

// The crossing between the stored font record and Qt's font. The record's Height is the
// framework's: negative for the character height in pixels (Qt's pixel size), positive for
// the cell height (character height plus internal leading), 0 for the default size.
QFont toQFont(const TMyFont& font);

// Takes name, size and style of a Qt font into the record; its colour stays. dpi turns a
// point size into pixels.
void assignQFont(TMyFont& target, const QFont& font, int dpi);
