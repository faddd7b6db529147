#include "widgets/InfoBackground.h"

#include <QColor>
#include <QPalette>
#include <QToolTip>
#include <QWidget>

QColor infoBackground() {
    return QToolTip::palette().color(QPalette::Inactive, QPalette::ToolTipBase);
}

void fillWithInfoBackground(QWidget& widget) {
    QPalette palette = widget.palette();
    const QColor colour = infoBackground();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}
