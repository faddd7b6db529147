#include "widgets/WindowPlacement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

void placeOnMainWindow(QWidget& window, const QWidget& mainWindow) {
    const QRect main = mainWindow.frameGeometry();
    window.move(main.left() + main.width() / 2, main.top() + 100);
}

void centreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->geometry();
    const QSize outer = window.frameGeometry().size();
    window.move(area.left() + (area.width() - outer.width()) / 2,
                area.top() + (area.height() - outer.height()) / 2);
}

void setOuterSize(QWidget& window, const QSize& outer) {
    const QSize frame = window.frameGeometry().size() - window.geometry().size();
    window.resize(outer - frame);
}
