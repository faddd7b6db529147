#pragma once

#include "sending/wayland/WaylandBackend.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct zwlr_foreign_toplevel_manager_v1;
struct zwlr_foreign_toplevel_handle_v1;
struct wl_seat;
class WaylandConnection;

// The wlroots window list: every toplevel with its title and state, XWayland ones included.
class ForeignToplevels {
public:
    // Throws std::runtime_error when the compositor does not offer the list.
    explicit ForeignToplevels(WaylandConnection& connection);
    ~ForeignToplevels();
    ForeignToplevels(const ForeignToplevels&) = delete;
    ForeignToplevels& operator=(const ForeignToplevels&) = delete;

    std::vector<WaylandWindow> windows() const;
    bool isActive(std::uint32_t id) const;
    // unset_minimized when minimised, then activate; waits for the activated state.
    bool activate(std::uint32_t id, wl_seat* seat, std::chrono::milliseconds timeout);
    void restore(std::uint32_t id);

    struct Toplevel {
        ForeignToplevels* owner = nullptr;
        zwlr_foreign_toplevel_handle_v1* handle = nullptr;
        std::uint32_t id = 0;
        std::string title, pendingTitle;
        bool activated = false, minimized = false;
        bool pendingActivated = false, pendingMinimized = false;
        std::uint64_t activatedAt = 0;
        bool announced = false; // a first done arrived
        bool closed = false;
    };
    // Listener plumbing.
    void addToplevel(zwlr_foreign_toplevel_handle_v1* handle);
    std::uint64_t nextActivation() { return ++activations_; }

private:
    Toplevel* find(std::uint32_t id) const;

    WaylandConnection& connection_;
    zwlr_foreign_toplevel_manager_v1* manager_ = nullptr;
    std::vector<std::unique_ptr<Toplevel>> toplevels_;
    std::uint32_t nextId_ = 1;
    std::uint64_t activations_ = 0;
};
