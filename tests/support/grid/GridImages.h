#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

#include <cstdlib>

// Reading what a grid shows from a grab of it.

// Pixels of rect that differ clearly from colour.
inline int pixelsUnlike(const QImage& image, const QRect& rect, const QColor& colour) {
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            const int distance = std::abs(pixel.red() - colour.red()) +
                                 std::abs(pixel.green() - colour.green()) +
                                 std::abs(pixel.blue() - colour.blue());
            count += distance > 60 ? 1 : 0;
        }
    }
    return count;
}

// The area of rect that painted pixels cover: the smallest rectangle round them.
inline QRect paintedArea(const QImage& image, const QRect& rect, const QColor& background) {
    QRect area;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (pixelsUnlike(image, QRect(x, y, 1, 1), background) > 0) {
                area |= QRect(x, y, 1, 1);
            }
        }
    }
    return area;
}
