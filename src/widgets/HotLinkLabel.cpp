#include "widgets/HotLinkLabel.h"

#include "widgets/MouseClick.h"

#include <QDesktopServices>
#include <QMouseEvent>

#include <utility>

const QColor HotLinkLabel::kNormalColour{0x00, 0x00, 0xFF};
const QColor HotLinkLabel::kHoverColour{0x00, 0x00, 0x80};

HotLinkLabel::HotLinkLabel(const QString& text, QUrl address, QWidget* parent)
    : QLabel(text, parent), address_(std::move(address)) {
    // Only the underline is the link's own; the rest of the font comes from the window.
    QFont underlined;
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::PointingHandCursor);
    setHovered(false);
}

void HotLinkLabel::setHovered(bool hovered) {
    hovered_ = hovered;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, hovered ? kHoverColour : kNormalColour);
    setPalette(colours);
}

void HotLinkLabel::enterEvent(QEnterEvent* event) {
    setHovered(true);
    QLabel::enterEvent(event);
}

void HotLinkLabel::leaveEvent(QEvent* event) {
    setHovered(false);
    QLabel::leaveEvent(event);
}

void HotLinkLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void HotLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (completesClick(*this, *event)) {
        QDesktopServices::openUrl(address_);
        emit opened(address_);
    }
}
