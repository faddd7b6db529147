#include "sending/x11/X11Ping.h"

#include "sending/x11/X11ErrorTrap.h"

#include <X11/Xutil.h>

#include <thread>

namespace {

constexpr std::chrono::milliseconds kAnswerPoll{1};

} // namespace

X11Ping::X11Ping(Display* display, const X11Atoms& atoms) : display_(display), atoms_(atoms) {}

bool X11Ping::answers(Window window) {
    X11ErrorTrap trap(display_);
    Atom* protocols = nullptr;
    int count = 0;
    if (XGetWMProtocols(display_, window, &protocols, &count) == 0) {
        return false;
    }
    bool found = false;
    for (int i = 0; i < count; ++i) {
        found = found || protocols[i] == atoms_.netWmPing;
    }
    XFree(protocols);
    return found && !trap.failed();
}

bool X11Ping::roundTrip(Window window, std::chrono::milliseconds timeout) {
    if (!answers(window)) {
        return false;
    }
    // The answer goes to the root window (with the structure or the substructure mask,
    // depending on the toolkit), where we listen only meanwhile.
    const Window root = DefaultRootWindow(display_);
    XWindowAttributes rootAttributes{};
    XGetWindowAttributes(display_, root, &rootAttributes);
    XSelectInput(display_, root,
                 rootAttributes.your_event_mask | StructureNotifyMask | SubstructureNotifyMask);
    XEvent ping{};
    ping.xclient.type = ClientMessage;
    ping.xclient.window = window;
    ping.xclient.message_type = atoms_.wmProtocols;
    ping.xclient.format = 32;
    ping.xclient.data.l[0] = static_cast<long>(atoms_.netWmPing);
    ping.xclient.data.l[1] = ++pings_; // stands in for a timestamp; it comes back as sent
    ping.xclient.data.l[2] = static_cast<long>(window);
    bool sent = false;
    {
        X11ErrorTrap trap(display_);
        XSendEvent(display_, window, False, NoEventMask, &ping);
        sent = !trap.failed();
    }
    struct Expected {
        const X11Atoms* atoms;
        long token;
        Window window;
    } expected{&atoms_, pings_, window};
    const auto isAnswer = [](Display*, XEvent* event, XPointer argument) -> Bool {
        const auto* wanted = reinterpret_cast<const Expected*>(argument);
        const XClientMessageEvent& message = event->xclient;
        return event->type == ClientMessage && message.message_type == wanted->atoms->wmProtocols &&
               static_cast<Atom>(message.data.l[0]) == wanted->atoms->netWmPing &&
               message.data.l[1] == wanted->token &&
               static_cast<Window>(message.data.l[2]) == wanted->window;
    };
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    bool answered = false;
    XEvent answer{};
    while (sent) {
        if (XCheckIfEvent(display_, &answer, isAnswer, reinterpret_cast<XPointer>(&expected))) {
            answered = true;
            break;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            break;
        }
        std::this_thread::sleep_for(kAnswerPoll);
    }
    XSelectInput(display_, root, rootAttributes.your_event_mask);
    return answered;
}
