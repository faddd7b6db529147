#pragma once

#include <QLabel>
#include <QUrl>

// A link: blue underlined text, navy while the pointer is over it, with a hand pointer. A
// click hands its address to the platform's default handler and goes no further.
class HotLinkLabel : public QLabel {
    Q_OBJECT
public:
    HotLinkLabel(const QString& text, QUrl address, QWidget* parent = nullptr);

    const QUrl& address() const { return address_; }
    bool hovered() const { return hovered_; }

    static const QColor kNormalColour;
    static const QColor kHoverColour;

signals:
    void opened(const QUrl& address);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setHovered(bool hovered);

    QUrl address_;
    bool hovered_ = false;
};
