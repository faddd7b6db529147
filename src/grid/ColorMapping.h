#pragma once

#include "Colors.h"

#include <QColor>

class QPalette;

// The Qt colour of a stored colour value: RGB values as they are, system colours through the
// widget's palette (so the grid follows the desktop's colour scheme), clNone as transparent.
// clDefault and system colour indices without a palette role give an invalid QColor: the
// caller decides what "default" means where it draws.
QColor toQColor(TColor color, const QPalette& palette);
