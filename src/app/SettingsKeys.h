#pragma once

#include "OptionKeys.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The keys of the settings file that the main window reads and writes, all in section
// "Options" (OptionKeys::kSection); the options dialog's own keys are in OptionKeys.
namespace SettingsKeys {
// The page names by page index 0 to 6: "TabSheet1Name" ... "TabSheet7Name".
QByteArray TabSheetName(int page);
// The default row heights of the grids by page index: "GridHeight1" ... "GridHeight7".
QByteArray GridHeight(int page);

// Beware: PosTop holds the window's left edge and PosLeft its top edge, both ways.
inline constexpr QByteArrayView kPosTop{"PosTop"};
inline constexpr QByteArrayView kPosLeft{"PosLeft"};
inline constexpr QByteArrayView kWidth{"Width"};
inline constexpr QByteArrayView kHeight{"Height"};

// Whether the first-run question is still to be asked; true unless "&Ja" was answered once.
inline constexpr QByteArrayView kFirstExecution{"FirstExecution"};
inline constexpr bool kFirstExecutionDefault = true;
} // namespace SettingsKeys

// The phrase file of a page (0 to 6): "Gitter_1.txt" ... "Gitter_7.txt", a bare name, so it
// lies in the current directory.
QString phraseFileName(int page);
