#pragma once

#include "grid/model/GridTypes.h"

#include <QByteArrayView>

class QPainter;
class QRect;

// Draws a cell text (cp1252) into rect with the painter's font and pen, as the platform's text
// drawing does for a grid cell: from the top, aligned across, each line break (CR LF, CR or
// LF) starting a line, no mnemonics ("a&b" stays three characters), clipped to rect.
// ww_wordwrap also breaks lines between words (a word wider than rect is cut); ww_ellipsis
// cuts a line that is too wide with an ellipsis, and puts one at the end of the last line
// that shows whole when more lines follow. Only what can show in rect is measured and laid
// out, so a text of many megabytes costs what a short one does.
void drawCellText(QPainter& painter, const QRect& rect, QByteArrayView text, TMyAlign alignment,
                  T_Wordwrap wordwrap);
