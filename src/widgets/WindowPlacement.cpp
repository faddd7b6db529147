#include "widgets/WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <utility>

namespace {

const QString kKeeperName = QStringLiteral("outerPlacementKeeper");

QSize frameExtra(const QWidget& window) {
    return window.frameGeometry().size() - window.geometry().size();
}

void apply(QWidget& window, const OuterPlacement& placement) {
    if (placement.size) {
        // resize() sizes the client area.
        window.resize(*placement.size - frameExtra(window));
    }
    if (placement.topLeft) {
        // move() places the frame, as far as it is known.
        window.move(placement.topLeft(placement.size.value_or(window.frameGeometry().size())));
    }
}

// Applies a placement again once the window's frame is known, then ends. A window without
// a frame keeps it, harmlessly: its frame never changes.
class OuterPlacementKeeper : public QObject {
public:
    OuterPlacementKeeper(QWidget& window, OuterPlacement placement)
        : QObject(&window), window_(window), placement_(std::move(placement)),
          extra_(frameExtra(window)) {
        setObjectName(kKeeperName);
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Qt learns the frame lazily and sends no event for it: any event may be the first
        // to see it.
        if (watched == &window_ && event->type() != QEvent::DeferredDelete) {
            const QSize extra = frameExtra(window_);
            // A frame is never negative; Qt shows one for a moment while it is mapped.
            if (extra != extra_ && extra.width() >= 0 && extra.height() >= 0) {
                extra_ = extra;
                apply(window_, placement_);
                if (!extra.isNull()) {
                    window_.removeEventFilter(this);
                    deleteLater();
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& window_;
    OuterPlacement placement_;
    QSize extra_;
};

} // namespace

void setOuterPlacement(QWidget& window, OuterPlacement placement) {
    for (QObject* keeper : window.findChildren<QObject*>(kKeeperName, Qt::FindDirectChildrenOnly)) {
        window.removeEventFilter(keeper);
        delete keeper;
    }
    apply(window, placement);
    if (frameExtra(window).isNull()) {
        new OuterPlacementKeeper(window, std::move(placement));
    }
}

void placeOnMainWindow(QWidget& window, const QWidget& mainWindow) {
    const QRect main = mainWindow.frameGeometry();
    const QPoint at(main.left() + main.width() / 2, main.top() + 100);
    setOuterPlacement(window, {std::nullopt, [at](const QSize&) { return at; }});
}

void centreOnScreen(QWidget& window, std::optional<QSize> outer) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->geometry();
    setOuterPlacement(window, {outer, [area](const QSize& size) {
                                   return QPoint(area.left() + (area.width() - size.width()) / 2,
                                                 area.top() + (area.height() - size.height()) / 2);
                               }});
}
