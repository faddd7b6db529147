#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct wl_display;
struct wl_registry;
struct wl_interface;

// A global the compositor announced.
struct WaylandGlobal {
    std::uint32_t name = 0;
    std::string interface;
    std::uint32_t version = 0;
};

// One connection to a compositor, with the globals it announced at connection time.
class WaylandConnection {
public:
    // `socket` as WAYLAND_DISPLAY takes it (a name in XDG_RUNTIME_DIR or an absolute path);
    // empty for WAYLAND_DISPLAY itself. Throws std::runtime_error when no compositor answers.
    explicit WaylandConnection(const std::string& socket = {});
    ~WaylandConnection();
    WaylandConnection(const WaylandConnection&) = delete;
    WaylandConnection& operator=(const WaylandConnection&) = delete;

    wl_display* raw() const { return display_; }
    const std::vector<WaylandGlobal>& globals() const { return globals_; }
    std::uint32_t versionOf(std::string_view interface) const;

    // Binds the first global of that interface at min(its version, maxVersion); nullptr
    // when the compositor has none (or hides it from us).
    void* bind(const wl_interface* interface, std::uint32_t maxVersion) const;

    // Each throws std::runtime_error once the connection is lost.
    void roundtrip();
    void flush();
    // Dispatches events until `done` holds or the time is up; whether it held. Reads the
    // socket at least once, also with no time at all.
    bool dispatchUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);
    void dispatchFor(std::chrono::milliseconds duration);

private:
    wl_display* display_ = nullptr;
    wl_registry* registry_ = nullptr;
    std::vector<WaylandGlobal> globals_;
};
