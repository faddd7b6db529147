#include "widgets/MainWindowFont.h"

#include <QApplication>
#include <QFont>
#include <QFontInfo>
#include <QWidget>

#include <cmath>

QString windowFontName(const QWidget& window) {
    return window.font().family();
}

void setWindowFontName(QWidget& window, const QString& name) {
    if (name.isEmpty()) {
        return;
    }
    QFont font = window.font();
    font.setFamily(name);
    window.setFont(font);
}

int windowFontSize(const QWidget& window) {
    const QFont font = window.font();
    const qreal points = font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
    return static_cast<int>(std::lround(points));
}

void setWindowFontSize(QWidget& window, int points) {
    QFont font = window.font();
    const QFont standard = QApplication::font();
    if (points >= 1) {
        font.setPointSize(points);
    } else if (standard.pointSizeF() > 0) {
        font.setPointSizeF(standard.pointSizeF());
    } else {
        font.setPixelSize(standard.pixelSize());
    }
    window.setFont(font);
}
