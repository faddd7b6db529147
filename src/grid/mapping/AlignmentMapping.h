#pragma once

#include "grid/model/GridTypes.h"

#include <Qt>

// Qt's horizontal alignment of a stored alignment; a value no alignment names is left.
Qt::Alignment horizontalAlignment(TMyAlign alignment);
