#pragma once

#include "sending/KeyAction.h"
#include "sending/SendingPlatform.h"

#include <chrono>
#include <string_view>
#include <vector>

// The pause before every typed character. The input queue keeps keys in order, so it can be
// short; it leaves the processor mostly idle while a long text is typed.
inline constexpr std::chrono::microseconds kKeystrokePause{100};

enum class SendOutcome {
    Completed,
    // The platform could not give the window the focus; nothing more was typed.
    FocusLost,
};

// Brings the window to the foreground and performs the parsed key sequence against it.
// Before the first key the user's modifiers are waited for (TypingSession). Modifiers that
// the sequence leaves down stay down, unless typing stops on a lost focus: then every key
// this call holds is released and Caps Lock is put back as it was.
SendOutcome SendKeySequence(SendingPlatform& platform, std::string_view sequence,
                            WindowHandle window);

// The same for key actions that are parsed already.
SendOutcome SendKeyActions(SendingPlatform& platform, const std::vector<KeyAction>& actions,
                           WindowHandle window);

// Types a run of characters through the keyboard layout, each in the case written whatever
// Caps Lock is. A printable character that the layout has no key for is typed as itself
// (KeySource::Character); a control character without a key is left out.
SendOutcome TypeText(SendingPlatform& platform, std::string_view text, WindowHandle window);
