#include "grid/view/ClickToEdit.h"

#include <QApplication>

ClickToEdit::ClickToEdit(std::function<bool()> buttonHeld, std::function<void(GridCell)> due)
    : buttonHeld_(std::move(buttonHeld)), due_(std::move(due)) {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { timeUp(); });
}

void ClickToEdit::arm(GridCell cell) {
    cell_ = cell;
    onRelease_ = false;
    timer_.start(QApplication::doubleClickInterval());
}

void ClickToEdit::disarm() {
    timer_.stop();
    onRelease_ = false;
}

void ClickToEdit::released() {
    if (onRelease_) {
        timeUp();
    }
}

void ClickToEdit::timeUp() {
    timer_.stop();
    if (buttonHeld_()) {
        // The click ends when the button is let go.
        onRelease_ = true;
        return;
    }
    onRelease_ = false;
    due_(cell_);
}
