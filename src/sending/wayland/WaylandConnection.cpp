#include "sending/wayland/WaylandConnection.h"

#include <wayland-client.h>

#include <cerrno>
#include <poll.h>
#include <stdexcept>

namespace {

void onGlobal(void* data, wl_registry*, std::uint32_t name, const char* interface,
              std::uint32_t version) {
    static_cast<std::vector<WaylandGlobal>*>(data)->push_back({name, interface, version});
}

void onGlobalRemove(void*, wl_registry*, std::uint32_t) {}

const wl_registry_listener kRegistryListener{onGlobal, onGlobalRemove};

[[noreturn]] void connectionLost() {
    throw std::runtime_error("connection to the Wayland compositor lost");
}

} // namespace

WaylandConnection::WaylandConnection(const std::string& socket) {
    display_ = wl_display_connect(socket.empty() ? nullptr : socket.c_str());
    if (display_ == nullptr) {
        throw std::runtime_error("no Wayland compositor to connect to");
    }
    registry_ = wl_display_get_registry(display_);
    wl_registry_add_listener(registry_, &kRegistryListener, &globals_);
    if (wl_display_roundtrip(display_) < 0) {
        wl_registry_destroy(registry_);
        wl_display_disconnect(display_);
        connectionLost();
    }
}

WaylandConnection::~WaylandConnection() {
    wl_registry_destroy(registry_);
    wl_display_disconnect(display_);
}

std::uint32_t WaylandConnection::versionOf(std::string_view interface) const {
    for (const WaylandGlobal& g : globals_) {
        if (g.interface == interface) {
            return g.version;
        }
    }
    return 0;
}

void* WaylandConnection::bind(const wl_interface* interface, std::uint32_t maxVersion) const {
    for (const WaylandGlobal& g : globals_) {
        if (g.interface == interface->name) {
            const std::uint32_t version = g.version < maxVersion ? g.version : maxVersion;
            return wl_registry_bind(registry_, g.name, interface, version);
        }
    }
    return nullptr;
}

void WaylandConnection::roundtrip() {
    if (wl_display_roundtrip(display_) < 0) {
        connectionLost();
    }
}

void WaylandConnection::flush() {
    if (wl_display_flush(display_) < 0 && errno != EAGAIN) {
        connectionLost();
    }
}

bool WaylandConnection::dispatchUntil(const std::function<bool()>& done,
                                      std::chrono::milliseconds timeout) {
    using Clock = std::chrono::steady_clock;
    const auto end = Clock::now() + timeout;
    if (wl_display_dispatch_pending(display_) < 0) {
        connectionLost();
    }
    // A zero timeout still reads what has arrived: a window closed, a focus that moved.
    for (;;) {
        if (done()) {
            return true;
        }
        while (wl_display_prepare_read(display_) != 0) {
            if (wl_display_dispatch_pending(display_) < 0) {
                connectionLost();
            }
        }
        wl_display_flush(display_);
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
        pollfd fd{wl_display_get_fd(display_), POLLIN, 0};
        const int ready = poll(&fd, 1, left.count() > 0 ? static_cast<int>(left.count()) : 0);
        if (ready > 0) {
            if (wl_display_read_events(display_) < 0) {
                connectionLost();
            }
        } else {
            wl_display_cancel_read(display_);
            if (ready < 0 && errno != EINTR) {
                connectionLost();
            }
        }
        if (wl_display_dispatch_pending(display_) < 0) {
            connectionLost();
        }
        if (done()) {
            return true;
        }
        if (Clock::now() >= end) {
            return false;
        }
    }
}

void WaylandConnection::dispatchFor(std::chrono::milliseconds duration) {
    dispatchUntil([] { return false; }, duration);
}
