#include "support/wayland/WaylandTargets.h"

#include "support/wayland/WaylandSession.h"
#include "support/wayland/WaylandWindowList.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

std::string WaylandTarget::text() const {
    std::ifstream file(outputPath(), std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

std::string WaylandTarget::waitForText(const std::string& expected,
                                       std::chrono::milliseconds timeout) const {
    const auto end = std::chrono::steady_clock::now() + timeout;
    std::string now = text();
    while (now != expected && std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        now = text();
    }
    return now;
}

WaylandChatTarget::WaylandChatTarget(const WaylandSession& session, const std::string& caption,
                                     TargetPlatform platform, bool minimized)
    : WaylandTarget(caption) {
    std::vector<std::string> arguments{QUIP_CHAT_TARGET_PATH, "--caption", caption, "--output",
                                       outputPath()};
    if (minimized) {
        arguments.emplace_back("--minimized");
    }
    process_ = std::make_unique<ChildProcess>(
        arguments, session.environment(platform == TargetPlatform::Native));
    const auto ready = process_->readLine(std::chrono::seconds(30));
    WaylandWindowList windows(session);
    if (!ready || ready->rfind("ready", 0) != 0 || !windows.waitFor(caption)) {
        throw std::runtime_error("tools/chat-target did not show " + caption);
    }
}

WaylandChromiumChat::WaylandChromiumChat(const WaylandSession& session, const std::string& caption,
                                         TargetPlatform platform)
    : WaylandTarget(caption) {
    server_ = std::make_unique<ChildProcess>(
        std::vector<std::string>{"python3", QUIP_CHAT_PAGE_SERVER_PATH, outputPath(), caption});
    const auto port = server_->readLine(std::chrono::seconds(10));
    if (!port) {
        throw std::runtime_error("the chat page's server did not start");
    }
    const std::string profile = (directory_.path() / "profile").string();
    process_ = std::make_unique<ChildProcess>(
        std::vector<std::string>{
            "chromium", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
            "--disable-background-networking", "--disable-component-update", "--disable-sync",
            "--no-default-browser-check", "--disable-features=Translate,MediaRouter",
            "--password-store=basic", "--user-data-dir=" + profile,
            std::string("--ozone-platform=") +
                (platform == TargetPlatform::Native ? "wayland" : "x11"),
            "--app=http://127.0.0.1:" + *port + "/"},
        session.environment(platform == TargetPlatform::Native));
    WaylandWindowList windows(session);
    if (!windows.waitFor(caption, true, std::chrono::seconds(90))) {
        throw std::runtime_error("Chromium did not show " + caption);
    }
    // The page reports its empty text box once it runs.
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!std::ifstream(outputPath()) && std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}
