#pragma once

#include <QByteArray>
#include <QByteArrayView>

class QPlainTextEdit;

// The preview box's text as the program stores and types text: cp1252 bytes with CR LF
// between lines.

QByteArray previewText(const QPlainTextEdit& box);

// Adds the text at the end of the box, after whatever it holds; its line breaks (CR LF, or
// a lone CR or LF) become lines of the box.
void appendToPreview(QPlainTextEdit& box, QByteArrayView text);
