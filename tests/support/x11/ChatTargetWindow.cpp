#include "support/x11/ChatTargetWindow.h"

#include "support/x11/X11Probe.h"

#include <signal.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

std::vector<std::string> arguments(const std::string& caption, const std::string& output,
                                   ChatTargetWindow::Start start) {
    std::vector<std::string> arguments = {QUIP_CHAT_TARGET_PATH, "--caption", caption, "--output",
                                          output};
    if (start == ChatTargetWindow::Start::Hidden) {
        arguments.emplace_back("--hidden");
    } else if (start == ChatTargetWindow::Start::Minimized) {
        arguments.emplace_back("--minimized");
    }
    return arguments;
}

} // namespace

ChatTargetWindow::ChatTargetWindow(const XvfbDisplay& display, const std::string& caption,
                                   Start start)
    : process_(arguments(caption, (directory_.path() / "text").string(), start),
               display.environment()) {
    const auto ready = process_.readLine(std::chrono::seconds(20));
    if (!ready || ready->rfind("ready ", 0) != 0) {
        throw std::runtime_error("chat-target did not start");
    }
    window_ = static_cast<XWindowId>(std::stoul(ready->substr(6), nullptr, 16));
}

void ChatTargetWindow::freeze() {
    kill(process_.pid(), SIGSTOP);
}

void ChatTargetWindow::thaw() {
    kill(process_.pid(), SIGCONT);
}

std::string ChatTargetWindow::text() const {
    std::ifstream file(directory_.path() / "text", std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

std::string ChatTargetWindow::waitForText(const std::string& expected,
                                          std::chrono::milliseconds timeout) const {
    return X11Probe::waitForText([this] { return text(); }, expected, timeout);
}
