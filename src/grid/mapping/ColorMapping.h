#pragma once

#include "grid/model/Colors.h"

#include "grid/model/GridTypes.h"

#include <QBrush>
#include <QColor>

class QPalette;

// The Qt colour of a stored colour value: RGB values as they are, system colours through the
// widget's palette (so the grid follows the desktop's colour scheme), clNone as transparent.
// clDefault and system colour indices without a palette role give an invalid QColor: the
// caller decides what "default" means where it draws.
QColor toQColor(TColor color, const QPalette& palette);

// The Qt brush of a stored colour and brush style: bsClear fills nothing, the hatch styles
// draw their lines in the colour. An invalid colour falls back to fallback.
QBrush toQBrush(TColor color, TBrushStyle style, const QPalette& palette, const QColor& fallback);
