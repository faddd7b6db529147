#pragma once

#include "support/x11/ChildProcess.h"
#include "support/x11/TemporaryDirectory.h"

#include <chrono>
#include <memory>
#include <string>

class WaylandSession;

enum class TargetPlatform { Native, XWayland };

// A window to send to, in a Wayland session: what it received is read back from a file
// the target rewrites whole on every change.
class WaylandTarget {
public:
    virtual ~WaylandTarget() = default;
    const std::string& caption() const { return caption_; }
    // What the text box holds, in UTF-8.
    std::string text() const;
    // Waits until the box holds `expected`, or holds the same text for `quiet` after it
    // changed last; what it holds at the end.
    std::string waitForText(const std::string& expected,
                            std::chrono::milliseconds timeout = std::chrono::seconds(20)) const;
    // Ends the program; its window goes.
    void close() { process_.reset(); }

protected:
    explicit WaylandTarget(std::string caption) : caption_(std::move(caption)) {}
    std::string outputPath() const { return (directory_.path() / "text").string(); }

    std::string caption_;
    TemporaryDirectory directory_;
    std::unique_ptr<ChildProcess> process_;
};

// tools/chat-target: a Qt window with one text box, natively or under XWayland.
class WaylandChatTarget : public WaylandTarget {
public:
    WaylandChatTarget(const WaylandSession& session, const std::string& caption,
                      TargetPlatform platform, bool minimized = false);
};

// Debian's Chromium on a local page whose text area posts its whole text to a little
// server after every change; an application window whose caption is the page's title.
class WaylandChromiumChat : public WaylandTarget {
public:
    WaylandChromiumChat(const WaylandSession& session, const std::string& caption,
                        TargetPlatform platform);

private:
    std::unique_ptr<ChildProcess> server_;
};
