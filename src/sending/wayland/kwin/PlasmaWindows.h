#pragma once

#include "sending/wayland/WaylandBackend.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct org_kde_plasma_window_management;
struct org_kde_plasma_window;
class WaylandConnection;

// KWin's window list (org_kde_plasma_window_management): every window with title and
// state, XWayland ones included; only for programs KWin lets use it.
class PlasmaWindows {
public:
    // Throws std::runtime_error when KWin does not let us have the list.
    explicit PlasmaWindows(WaylandConnection& connection);
    ~PlasmaWindows();
    PlasmaWindows(const PlasmaWindows&) = delete;
    PlasmaWindows& operator=(const PlasmaWindows&) = delete;

    // Waits for the state of windows announced but not yet described (one roundtrip each
    // step, a few at most), so that a window that just appeared is in the list.
    std::vector<WaylandWindow> windows();
    bool isActive(std::uint32_t id) const;
    // Sets it active and not minimised; waits until KWin says it is active.
    bool activate(std::uint32_t id, std::chrono::milliseconds timeout);
    void restore(std::uint32_t id);

    struct Window {
        PlasmaWindows* owner = nullptr;
        org_kde_plasma_window* window = nullptr;
        std::uint32_t id = 0;
        std::string title;
        std::uint32_t state = 0;
        std::uint64_t activatedAt = 0;
        bool ready = false; // initial_state arrived
        bool unmapped = false;
    };
    // Listener plumbing.
    void addWindow(org_kde_plasma_window* window);
    bool byUuid() const { return byUuid_; }
    std::uint64_t nextActivation() { return ++activations_; }

private:
    Window* find(std::uint32_t id) const;

    WaylandConnection& connection_;
    org_kde_plasma_window_management* manager_ = nullptr;
    bool byUuid_ = false;
    std::vector<std::unique_ptr<Window>> windows_;
    std::uint32_t nextId_ = 1;
    std::uint64_t activations_ = 0;
};
