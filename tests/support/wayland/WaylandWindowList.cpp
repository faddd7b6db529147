#include "support/wayland/WaylandWindowList.h"

#include "sending/wayland/WaylandConnection.h"
#include "sending/wayland/kwin/PlasmaWindows.h"
#include "sending/wayland/wlroots/ForeignToplevels.h"
#include "support/wayland/WaylandSession.h"

#include <thread>

WaylandWindowList::WaylandWindowList(const WaylandSession& session)
    : connection_(std::make_unique<WaylandConnection>(session.socket())) {
    if (session.compositor() == Compositor::Sway) {
        toplevels_ = std::make_unique<ForeignToplevels>(*connection_);
    } else {
        plasma_ = std::make_unique<PlasmaWindows>(*connection_);
    }
}

WaylandWindowList::~WaylandWindowList() {
    toplevels_.reset();
    plasma_.reset();
}

std::vector<WaylandWindow> WaylandWindowList::windows() {
    connection_->dispatchFor(std::chrono::milliseconds(0));
    return toplevels_ ? toplevels_->windows() : plasma_->windows();
}

std::optional<WaylandWindow> WaylandWindowList::find(const std::string& title) {
    for (const WaylandWindow& w : windows()) {
        if (w.title == title) {
            return w;
        }
    }
    return std::nullopt;
}

bool WaylandWindowList::waitFor(const std::string& title, bool present,
                                std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (find(title).has_value() != present) {
        if (std::chrono::steady_clock::now() >= end) {
            return false;
        }
        connection_->dispatchFor(std::chrono::milliseconds(20));
    }
    return true;
}
