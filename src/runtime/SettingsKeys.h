#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The settings file's section and keys: those the main window reads at start and writes at
// close, and those the options dialog reads and writes.
namespace SettingsKeys {
inline constexpr QByteArrayView kSection{"Options"};

// The options dialog's keys.
inline constexpr QByteArrayView kZielFenster{"ZielFenster"};
inline constexpr QByteArrayView kFontname{"Fontname"};
inline constexpr QByteArrayView kFontSize{"FontSize"};
inline constexpr QByteArrayView kSendEnter{"SendEnter"};

// The page names by page index 0 to 6: "TabSheet1Name" ... "TabSheet7Name".
QByteArray tabSheetName(int page);
// The default row heights of the grids by page index: "GridHeight1" ... "GridHeight7".
QByteArray gridHeight(int page);

// Beware: PosTop holds the window's left edge and PosLeft its top edge, both ways.
inline constexpr QByteArrayView kPosTop{"PosTop"};
inline constexpr QByteArrayView kPosLeft{"PosLeft"};
inline constexpr QByteArrayView kWidth{"Width"};
inline constexpr QByteArrayView kHeight{"Height"};

// Whether the first-run question is still to be asked; true unless "&Ja" was answered once.
inline constexpr QByteArrayView kFirstExecution{"FirstExecution"};
inline constexpr bool kFirstExecutionDefault = true;
} // namespace SettingsKeys
