#include "app/WindowGeometry.h"

#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <QPointer>
#include <QScreen>
#include <QWidget>

namespace {

const QString kKeeperName = QStringLiteral("outerSizeKeeper");

QSize frameExtra(const QWidget& window) {
    return window.frameGeometry().size() - window.geometry().size();
}

// Keeps the outer size a window was given until its frame is known: each time the frame
// it sees changes, the client area is sized again. A user's resize leaves the frame as it
// is and so is never undone.
class OuterSizeKeeper : public QObject {
public:
    OuterSizeKeeper(QWidget& window, QSize outer)
        : QObject(&window), window_(window), outer_(outer), extra_(frameExtra(window)) {
        setObjectName(kKeeperName);
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ &&
            (event->type() == QEvent::Show || event->type() == QEvent::Move ||
             event->type() == QEvent::Resize)) {
            const QSize extra = frameExtra(window_);
            if (extra != extra_) {
                extra_ = extra;
                window_.resize(outer_ - extra);
            }
            if (!extra.isNull()) {
                // The frame is known; from now on the size is the user's.
                window_.removeEventFilter(this);
                deleteLater();
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& window_;
    QSize outer_;
    QSize extra_;
};

} // namespace

QRect outerGeometry(const QWidget& window) {
    return window.frameGeometry();
}

void setOuterGeometry(QWidget& window, const QRect& outer) {
    for (QObject* keeper : window.findChildren<QObject*>(kKeeperName, Qt::FindDirectChildrenOnly)) {
        window.removeEventFilter(keeper);
        delete keeper;
    }
    // move() places the frame; resize() sizes the client area.
    window.move(outer.topLeft());
    window.resize(outer.size() - frameExtra(window));
    new OuterSizeKeeper(window, outer.size());
}

bool liesOnAnyScreen(const QRect& outer) {
    const auto screens = QGuiApplication::screens();
    for (const QScreen* screen : screens) {
        if (screen->geometry().intersects(outer)) {
            return true;
        }
    }
    return false;
}

QRect movedOntoPrimaryScreen(const QRect& outer) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return outer;
    }
    const QRect area = screen->availableGeometry();
    QRect placed(QPoint(), outer.size().boundedTo(area.size()));
    placed.moveCenter(area.center());
    return placed;
}
