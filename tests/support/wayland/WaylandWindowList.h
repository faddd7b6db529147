#pragma once

#include "sending/wayland/WaylandBackend.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class WaylandSession;
class WaylandConnection;
class ForeignToplevels;
class PlasmaWindows;

// The test's own look at a session's windows, through a connection apart from the one
// under test: which exist, with which titles, and which is active.
class WaylandWindowList {
public:
    explicit WaylandWindowList(const WaylandSession& session);
    ~WaylandWindowList();

    std::vector<WaylandWindow> windows();
    std::optional<WaylandWindow> find(const std::string& title);
    // Whether a window with the title is there (or gone, with present false) in time.
    bool waitFor(const std::string& title, bool present = true,
                 std::chrono::milliseconds timeout = std::chrono::seconds(30));

private:
    std::unique_ptr<WaylandConnection> connection_;
    std::unique_ptr<ForeignToplevels> toplevels_;
    std::unique_ptr<PlasmaWindows> plasma_;
};
