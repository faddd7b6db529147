#include "sending/TypingSession.h"

#include <string>

TypingSession::TypingSession(SendingPlatform& platform, WindowHandle window,
                             const std::vector<KeyAction>& actions)
    : platform_(platform) {
    std::string characters;
    for (const KeyAction& action : actions) {
        if (action.kind == KeyActionKind::TypeText) {
            characters += action.text;
        }
    }
    platform_.prepareText(window, characters);
    waitForUserModifiers();
}

TypingSession::~TypingSession() {
    platform_.finishText();
}

void TypingSession::waitForUserModifiers() {
    // Counted in polls rather than read from a clock, so that a simulated platform can let
    // the user go at a moment of its choosing.
    for (auto waited = std::chrono::milliseconds::zero(); platform_.userHoldsModifiers();
         waited += kUserModifierPoll) {
        if (waited >= kUserModifierWait) {
            // Not pressed again afterwards: the user has let go by then, or means to.
            platform_.releaseUserModifiers();
            return;
        }
        platform_.keystrokePause(kUserModifierPoll);
    }
}
