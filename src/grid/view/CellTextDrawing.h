#pragma once

#include "grid/model/GridTypes.h"

class QPainter;
class QRect;
class QString;

// Draws a cell text into rect with the painter's font and pen, as the platform's text
// drawing does for a grid cell: from the top, aligned across, each line break (CR LF, CR or
// LF) starting a line, no mnemonics ("a&b" stays three characters), clipped to rect.
// ww_wordwrap also breaks lines between words (a word wider than rect is cut); ww_ellipsis
// cuts a line that is too wide with an ellipsis, and puts one at the end of the last line
// that shows whole when more lines follow.
void drawCellText(QPainter& painter, const QRect& rect, const QString& text, TMyAlign alignment,
                  T_Wordwrap wordwrap);
