#include "grid/view/CellTextDrawing.h"

#include "grid/mapping/AlignmentMapping.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRect>
#include <QString>
#include <QStringList>

#include <algorithm>

namespace {

const QChar ellipsis(0x2026);

// The lines of text as they fit rect: each cut with an ellipsis where it is too wide, and the
// last line that shows whole marked with one when lines are hidden below it.
QString elided(const QFontMetrics& metrics, const QString& text, const QRect& rect) {
    QStringList lines = text.split(QChar::LineFeed);
    const int shown =
        rect.height() < metrics.height()
            ? 1
            : (rect.height() - metrics.height()) / std::max(metrics.lineSpacing(), 1) + 1;
    const bool hidden = lines.size() > shown;
    if (hidden) {
        lines.erase(lines.begin() + shown, lines.end());
        lines.back() += ellipsis;
    }
    for (QString& line : lines) {
        line = metrics.elidedText(line, Qt::ElideRight, rect.width());
    }
    return lines.join(QChar::LineFeed);
}

} // namespace

void drawCellText(QPainter& painter, const QRect& rect, const QString& text, TMyAlign alignment,
                  T_Wordwrap wordwrap) {
    if (text.isEmpty() || rect.width() <= 0 || rect.height() <= 0) {
        return;
    }
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QChar::CarriageReturn, QChar::LineFeed);
    int flags = static_cast<int>(horizontalAlignment(alignment) | Qt::AlignTop);
    if (wordwrap == T_Wordwrap::ww_wordwrap) {
        flags |= Qt::TextWordWrap;
    } else if (wordwrap == T_Wordwrap::ww_ellipsis) {
        lines = elided(painter.fontMetrics(), lines, rect);
    }
    // Without Qt::TextDontClip the text stays inside rect.
    painter.drawText(rect, flags, lines);
}
