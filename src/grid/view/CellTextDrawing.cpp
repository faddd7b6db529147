#include "grid/view/CellTextDrawing.h"

#include "grid/mapping/AlignmentMapping.h"
#include "runtime/Cp1252.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRect>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

const QChar ellipsis(0x2026);

// Lines that fit the rectangle, at least one.
int shownLines(const QFontMetrics& metrics, const QRect& rect) {
    return rect.height() < metrics.height()
               ? 1
               : (rect.height() - metrics.height()) / std::max(metrics.lineSpacing(), 1) + 1;
}

// Where the line that starts at `at` ends: its CR or LF, or the end of the text.
qsizetype lineEnd(QByteArrayView text, qsizetype at) {
    const char* const start = text.data() + at;
    const auto length = static_cast<std::size_t>(text.size() - at);
    const void* lf = std::memchr(start, '\n', length);
    const std::size_t before =
        lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - start) : length;
    const void* cr = std::memchr(start, '\r', before);
    return at + static_cast<qsizetype>(
                    cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - start) : before);
}

// The middle of a centred line, as wide as the cell and a character more on either side,
// and as far from its middle on the left as on the right, so that it is centred where the
// whole line would be.
QByteArrayView centredPart(QByteArrayView line, const QFontMetrics& metrics, int width) {
    std::array<qint64, 256> advance{};
    QByteArray all(256, '\0');
    for (int c = 0; c < 256; ++c) {
        all[c] = static_cast<char>(c);
    }
    const QString characters = fromCp1252(all);
    qint64 widest = 0;
    for (int c = 0; c < 256; ++c) {
        advance[static_cast<std::size_t>(c)] = metrics.horizontalAdvance(characters[c]);
        widest = std::max(widest, advance[static_cast<std::size_t>(c)]);
    }
    const auto of = [&advance](char c) { return advance[static_cast<unsigned char>(c)]; };
    qint64 total = 0;
    for (const char c : line) {
        total += of(c);
    }
    const qint64 from = total / 2 - width - widest;
    qsizetype start = 0;
    qint64 before = 0;
    while (start < line.size() && before + of(line[start]) <= from) {
        before += of(line[start++]);
    }
    qsizetype end = start;
    for (qint64 upTo = before; end < line.size() && upTo < total - before; ++end) {
        upTo += of(line[end]);
    }
    return line.sliced(start, end - start);
}

// The part of a cell text that can show in the cell, with its line breaks as LF: the lines
// that fit and one more (which tells that lines are hidden), each cut to the characters
// that can show. No character is narrower than a pixel, so a line shows at most one
// character more than the cell is wide (that one tells that it is cut), and word-wrapped
// lines together no more than that for every line that fits. Which characters show of a
// line too long for the cell depends on the alignment when nothing wraps or elides it: its
// start, its end or its middle.
QString visiblePart(QByteArrayView text, const QFontMetrics& metrics, const QRect& rect,
                    TMyAlign alignment, T_Wordwrap wordwrap) {
    const int lines = shownLines(metrics, rect);
    const qsizetype perLine = qsizetype{rect.width()} + 1;
    qsizetype wrapBudget = perLine * lines;
    QByteArray part;
    qsizetype at = 0;
    for (int line = 0; line <= lines && at <= text.size(); ++line) {
        const qsizetype end = lineEnd(text, at);
        QByteArrayView shown = text.sliced(at, end - at);
        if (wordwrap == T_Wordwrap::ww_wordwrap) {
            shown = shown.first(std::min(shown.size(), wrapBudget));
            wrapBudget -= shown.size();
        } else if (shown.size() > perLine) {
            if (wordwrap == T_Wordwrap::ww_none && alignment == TMyAlign::alRight) {
                shown = shown.last(perLine);
            } else if (wordwrap == T_Wordwrap::ww_none && alignment == TMyAlign::alCenter) {
                if (shown.size() > 2 * perLine) {
                    shown = centredPart(shown, metrics, rect.width());
                }
            } else {
                shown = shown.first(perLine);
            }
        }
        if (line > 0) {
            part += '\n';
        }
        part += shown;
        if (end == text.size()) {
            break;
        }
        // CR LF is one line break; a lone CR or LF is one too.
        at = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
        if (at == text.size()) {
            // A break at the very end starts one more, empty line.
            if (line < lines) {
                part += '\n';
            }
            break;
        }
    }
    return fromCp1252(part);
}

// The lines of text as they fit rect: each cut with an ellipsis where it is too wide, and the
// last line that shows whole marked with one when lines are hidden below it.
QString elided(const QFontMetrics& metrics, const QString& text, const QRect& rect) {
    QStringList lines = text.split(QChar::LineFeed);
    const int shown = shownLines(metrics, rect);
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

void drawCellText(QPainter& painter, const QRect& rect, QByteArrayView text, TMyAlign alignment,
                  T_Wordwrap wordwrap) {
    if (text.isEmpty() || rect.width() <= 0 || rect.height() <= 0) {
        return;
    }
    const QFontMetrics metrics = painter.fontMetrics();
    QString lines = visiblePart(text, metrics, rect, alignment, wordwrap);
    int flags = static_cast<int>(horizontalAlignment(alignment) | Qt::AlignTop);
    if (wordwrap == T_Wordwrap::ww_wordwrap) {
        flags |= Qt::TextWordWrap;
    } else if (wordwrap == T_Wordwrap::ww_ellipsis) {
        lines = elided(metrics, lines, rect);
    }
    // Without Qt::TextDontClip the text stays inside rect.
    painter.drawText(rect, flags, lines);
}
