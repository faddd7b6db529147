#pragma once

#include <QByteArrayView>

// The settings file's section and the keys the options dialog reads and writes.
namespace OptionKeys {
inline constexpr QByteArrayView kSection{"Options"};
inline constexpr QByteArrayView kZielFenster{"ZielFenster"};
inline constexpr QByteArrayView kFontname{"Fontname"};
inline constexpr QByteArrayView kFontSize{"FontSize"};
inline constexpr QByteArrayView kSendEnter{"SendEnter"};
} // namespace OptionKeys
