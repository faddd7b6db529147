#include "DesignFont.h"

#include <QStringList>

QFont designFont(DesignTypeface typeface) {
    QFont font;
    switch (typeface) {
    case DesignTypeface::Tahoma:
        font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                          QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
        break;
    case DesignTypeface::MsSansSerif:
        font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                          QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                          QStringLiteral("DejaVu Sans")});
        break;
    }
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(12);
    return font;
}
