#include "app/WindowGeometry.h"

#include "widgets/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

// Overlap of [start, start + length) with [areaStart, areaStart + areaLength).
qint64 overlap(qint64 start, qint64 length, qint64 areaStart, qint64 areaLength) {
    return std::max<qint64>(0, std::min(start + length, areaStart + areaLength) -
                                   std::max(start, areaStart));
}

// The start that keeps [start, start + length) inside the area; length fits it.
int clampedStart(qint64 start, int length, int areaStart, int areaLength) {
    return static_cast<int>(
        std::clamp<qint64>(start, areaStart, qint64{areaStart} + areaLength - length));
}

} // namespace

QRect outerGeometry(const QWidget& window) {
    return window.frameGeometry();
}

void setOuterGeometry(QWidget& window, const QRect& outer) {
    const QPoint at = outer.topLeft();
    setOuterPlacement(window, {outer.size(), [at](const QSize&) { return at; }});
}

QRect placedOnScreens(int left, int top, int width, int height) {
    const QScreen* best = nullptr;
    qint64 bestOverlap = 0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        const qint64 shared = overlap(left, width, area.left(), area.width()) *
                              overlap(top, height, area.top(), area.height());
        if (shared > bestOverlap) {
            best = screen;
            bestOverlap = shared;
        }
    }
    const QScreen* screen = best != nullptr ? best : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {left, top, width, height};
    }
    const QRect area = screen->availableGeometry();
    const QSize size(std::clamp(width, 1, std::max(area.width(), 1)),
                     std::clamp(height, 1, std::max(area.height(), 1)));
    if (best == nullptr) {
        QRect centred(QPoint(), size);
        centred.moveCenter(area.center());
        return centred;
    }
    return {clampedStart(left, size.width(), area.left(), area.width()),
            clampedStart(top, size.height(), area.top(), area.height()), size.width(),
            size.height()};
}
