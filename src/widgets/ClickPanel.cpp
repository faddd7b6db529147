#include "widgets/ClickPanel.h"

#include "widgets/MouseClick.h"

void ClickPanel::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void ClickPanel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (completesClick(*this, *event)) {
        emit clicked();
    }
}
