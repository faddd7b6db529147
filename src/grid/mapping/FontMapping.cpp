#include "grid/mapping/FontMapping.h"

#include "grid/model/MyFont.h"
#include "runtime/Cp1252.h"

#include <QFont>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

QFont toQFont(const TMyFont& font) {
    QFont result(fromCp1252(font.Name()));
    const int height = font.Height();
    if (height < 0) {
        result.setPixelSize(-height);
    } else if (height > 0) {
        // A cell height: measure the leading at that size and take it off.
        result.setPixelSize(height);
        const qreal cell = QFontMetricsF(result).height();
        if (cell > 0) {
            result.setPixelSize(std::max(1, static_cast<int>(std::lround(height * height / cell))));
        }
    }
    const TFontStyles style = font.Style();
    result.setBold((style & fsBold) != 0);
    result.setItalic((style & fsItalic) != 0);
    result.setUnderline((style & fsUnderline) != 0);
    result.setStrikeOut((style & fsStrikeOut) != 0);
    if (font.Pitch() == TFontPitch::fpFixed) {
        result.setFixedPitch(true);
        result.setStyleHint(QFont::TypeWriter);
    } else if (font.Pitch() == TFontPitch::fpVariable) {
        result.setFixedPitch(false);
    }
    return result;
}

void assignQFont(TMyFont& target, const QFont& font, int dpi) {
    int pixels = font.pixelSize();
    if (pixels <= 0 && font.pointSizeF() > 0) {
        pixels = static_cast<int>(std::lround(font.pointSizeF() * dpi / 72.0));
    }
    TFontStyles style = 0;
    style |= font.bold() ? fsBold : 0;
    style |= font.italic() ? fsItalic : 0;
    style |= font.underline() ? fsUnderline : 0;
    style |= font.strikeOut() ? fsStrikeOut : 0;
    // One Assign, so the owner hears of one change at most.
    TMyFont source;
    source.setColor(target.Color());
    source.setName(toCp1252(font.family()));
    source.setHeight(pixels > 0 ? -pixels : 0);
    source.setStyle(style);
    source.setPitch(font.fixedPitch() ? TFontPitch::fpFixed : TFontPitch::fpDefault);
    target.Assign(source);
}
