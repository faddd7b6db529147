#pragma once

#include "widgets/ControlEvents.h"

#include <QString>

#include <functional>

class QObject;

// The phrase grid's own events besides its edit events (grid/editing/EditEvents.h); like every
// component event, called only when assigned, with the grid as Sender.

// A press on a column header (a fixed-row cell) or a row header (a fixed-column cell).
using TColEvent = std::function<void(QObject* Sender, int col)>;
using TRowEvent = std::function<void(QObject* Sender, int row)>;
// Before the hint of cell (col, row) shows. HintStr is HintInfo.HintStr; the handler may
// change it, the position in HintInfo, and forbid the hint with CanShow.
using TShowHintCellProc = std::function<void(QObject* Sender, int col, int row, QString& HintStr,
                                             bool& CanShow, THintInfo& HintInfo)>;
