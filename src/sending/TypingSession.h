#pragma once

#include "sending/KeyAction.h"
#include "sending/SendingPlatform.h"

#include <chrono>
#include <vector>

// How long the user may still hold a modifier key (of the shortcut that sent, say) when
// typing is to begin, and how often it is looked at meanwhile. Keys typed with the user's
// Alt held would reach the target as Alt+letters, which open menus.
inline constexpr std::chrono::milliseconds kUserModifierWait{2000};
inline constexpr std::chrono::milliseconds kUserModifierPoll{10};

// The platform's side of one send, from before its first key to after its last: every
// character it will type announced at once, the user's modifiers let go, and whatever the
// platform made for the characters given back at the end, however typing ends.
class TypingSession {
public:
    TypingSession(SendingPlatform& platform, WindowHandle window,
                  const std::vector<KeyAction>& actions);
    ~TypingSession();
    TypingSession(const TypingSession&) = delete;
    TypingSession& operator=(const TypingSession&) = delete;

private:
    void waitForUserModifiers();

    SendingPlatform& platform_;
};
