#pragma once

#include "app/TfMain.h"

#include <memory>

// The program's six windows, made in this order, each running its creation handler as it
// is made: the main window (start-up reading), the options dialog (the settings it shows),
// the rename and row-height dialogs, the help window (its text) and the about window. The
// main window owns the other five and opens them; all live until it is destroyed.
std::unique_ptr<TfMain> createProgramWindows();
