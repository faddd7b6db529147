#include "app/PreviewBox.h"

#include "runtime/Cp1252.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

QByteArray previewText(const QPlainTextEdit& box) {
    // The raw text keeps what the user typed (no-break spaces included); lines are split by
    // paragraph separators, and Shift+Enter makes line separators.
    QString text = box.document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
    return toCp1252(text);
}

void appendToPreview(QPlainTextEdit& box, QByteArrayView text) {
    QString lines = fromCp1252(text);
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QTextCursor end(box.document());
    end.movePosition(QTextCursor::End);
    end.insertText(lines);
}
