#pragma once

#include <QMouseEvent>
#include <QWidget>

// A click ends with the left button released over the widget it was pressed on (the release
// goes to that widget wherever the pointer is).
inline bool completesClick(const QWidget& widget, const QMouseEvent& release) {
    return release.button() == Qt::LeftButton &&
           widget.rect().contains(release.position().toPoint());
}
