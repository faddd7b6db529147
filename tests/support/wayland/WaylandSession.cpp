#include "support/wayland/WaylandSession.h"

#include "support/x11/ChildProcess.h"

#include <sys/stat.h>

#include <fstream>
#include <stdexcept>

WaylandSession::WaylandSession(Compositor compositor, bool permissionChecks)
    : compositor_(compositor) {
    std::vector<std::string> start{"bash", script(), "start", directory_.path().string()};
    if (permissionChecks) {
        start.push_back("--permission-checks");
    }
    if (runProgram(start) != 0) {
        runProgram({"bash", script(), "stop", directory_.path().string()});
        throw std::runtime_error("the compositor did not start (see " + script() + ")");
    }
    std::ifstream env(directory_.path() / "env");
    for (std::string line; std::getline(env, line);) {
        if (const auto equals = line.find('='); equals != std::string::npos) {
            values_[line.substr(0, equals)] = line.substr(equals + 1);
        }
    }
    clientRuntime_ = (directory_.path() / "client-runtime").string();
    mkdir(clientRuntime_.c_str(), 0700);
}

WaylandSession::~WaylandSession() {
    runProgram({"bash", script(), "stop", directory_.path().string()});
}

std::string WaylandSession::script() const {
    return std::string(QUIP_WAYLAND_SUPPORT_DIR) +
           (compositor_ == Compositor::Sway ? "/sway-session.sh" : "/kwin-session.sh");
}

std::string WaylandSession::applicationsDirectory() const {
    return (directory_.path() / "share" / "applications").string();
}

std::vector<std::string> WaylandSession::environment(bool native) const {
    return {"WAYLAND_DISPLAY=" + socket(), "DISPLAY=" + display(),
            "XDG_RUNTIME_DIR=" + clientRuntime_,
            std::string("QT_QPA_PLATFORM=") + (native ? "wayland" : "xcb")};
}
