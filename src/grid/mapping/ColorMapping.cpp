#include "grid/mapping/ColorMapping.h"

#include <QPalette>

#include <array>

namespace {

struct PaletteSlot {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// System colour index -> the palette entry that plays its part on this desktop.
constexpr std::array<PaletteSlot, 31> kSystemColorSlots{{
    {QPalette::Active, QPalette::Button},            // 0 scroll bar
    {QPalette::Active, QPalette::Dark},              // 1 desktop background
    {QPalette::Active, QPalette::Highlight},         // 2 active caption
    {QPalette::Inactive, QPalette::Highlight},       // 3 inactive caption
    {QPalette::Active, QPalette::Window},            // 4 menu
    {QPalette::Active, QPalette::Base},              // 5 window
    {QPalette::Active, QPalette::Shadow},            // 6 window frame
    {QPalette::Active, QPalette::WindowText},        // 7 menu text
    {QPalette::Active, QPalette::Text},              // 8 window text
    {QPalette::Active, QPalette::HighlightedText},   // 9 caption text
    {QPalette::Active, QPalette::Window},            // 10 active border
    {QPalette::Active, QPalette::Window},            // 11 inactive border
    {QPalette::Active, QPalette::Dark},              // 12 application work space
    {QPalette::Active, QPalette::Highlight},         // 13 highlight
    {QPalette::Active, QPalette::HighlightedText},   // 14 highlighted text
    {QPalette::Active, QPalette::Button},            // 15 button face
    {QPalette::Active, QPalette::Dark},              // 16 button shadow
    {QPalette::Disabled, QPalette::Text},            // 17 grey text
    {QPalette::Active, QPalette::ButtonText},        // 18 button text
    {QPalette::Inactive, QPalette::HighlightedText}, // 19 inactive caption text
    {QPalette::Active, QPalette::Light},             // 20 button highlight
    {QPalette::Active, QPalette::Shadow},            // 21 3D dark shadow
    {QPalette::Active, QPalette::Midlight},          // 22 3D light
    {QPalette::Active, QPalette::ToolTipText},       // 23 info text
    {QPalette::Active, QPalette::ToolTipBase},       // 24 info background
    {QPalette::Active, QPalette::Window},            // 25 (unused)
    {QPalette::Active, QPalette::Link},              // 26 hot light
    {QPalette::Active, QPalette::Highlight},         // 27 gradient active caption
    {QPalette::Inactive, QPalette::Highlight},       // 28 gradient inactive caption
    {QPalette::Active, QPalette::Highlight},         // 29 menu highlight
    {QPalette::Active, QPalette::Window},            // 30 menu bar
}};

} // namespace

QColor toQColor(TColor color, const QPalette& palette) {
    if (color == clNone) {
        return QColor(Qt::transparent);
    }
    if (color == clDefault) {
        return {};
    }
    if (isSystemColor(color)) {
        const auto index = static_cast<std::size_t>(systemColorIndex(color));
        if (index >= kSystemColorSlots.size() || (colorBits(color) & 0x00FFFF00u) != 0) {
            return {};
        }
        const PaletteSlot slot = kSystemColorSlots[index];
        return palette.color(slot.group, slot.role);
    }
    // 0x00BBGGRR; the framework's palette-index forms in the top byte draw as their RGB part.
    const std::uint32_t bits = colorBits(color);
    return QColor(static_cast<int>(bits & 0xFFu), static_cast<int>((bits >> 8) & 0xFFu),
                  static_cast<int>((bits >> 16) & 0xFFu));
}

QBrush toQBrush(TColor color, TBrushStyle style, const QPalette& palette, const QColor& fallback) {
    const QColor mapped = toQColor(color, palette);
    const QColor& fill = mapped.isValid() ? mapped : fallback;
    switch (style) {
    case TBrushStyle::bsClear:
        return QBrush(fill, Qt::NoBrush);
    case TBrushStyle::bsHorizontal:
        return QBrush(fill, Qt::HorPattern);
    case TBrushStyle::bsVertical:
        return QBrush(fill, Qt::VerPattern);
    case TBrushStyle::bsFDiagonal:
        return QBrush(fill, Qt::FDiagPattern);
    case TBrushStyle::bsBDiagonal:
        return QBrush(fill, Qt::BDiagPattern);
    case TBrushStyle::bsCross:
        return QBrush(fill, Qt::CrossPattern);
    case TBrushStyle::bsDiagCross:
        return QBrush(fill, Qt::DiagCrossPattern);
    case TBrushStyle::bsSolid:
    default:
        return QBrush(fill, Qt::SolidPattern);
    }
}
