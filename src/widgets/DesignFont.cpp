#include "widgets/DesignFont.h"

#include <QStringList>

void registerDesignFaceSubstitutes() {
    static const bool registered = [] {
        const QStringList standIns = {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                      QStringLiteral("DejaVu Sans")};
        for (const char* face : {"Tahoma", "MS Sans Serif", "Microsoft Sans Serif"}) {
            QFont::insertSubstitutions(QString::fromLatin1(face), standIns);
        }
        return true;
    }();
    Q_UNUSED(registered);
}

QFont designFont(DesignTypeface typeface) {
    registerDesignFaceSubstitutes();
    QFont font(typeface == DesignTypeface::Tahoma ? QStringLiteral("Tahoma")
                                                  : QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(12);
    return font;
}
