#pragma once

#include "sending/SendingPlatform.h"

#include <chrono>
#include <string_view>

// The pause before every typed character. The input queue keeps keys in order, so it can be
// short; it leaves the processor mostly idle while a long text is typed.
inline constexpr std::chrono::microseconds kKeystrokePause{100};

enum class SendOutcome {
    Completed,
    // The platform could not give the window the focus; nothing more was typed.
    FocusLost,
};

// Brings the window to the foreground and performs the parsed key sequence against it.
// Modifiers that the sequence leaves down stay down, unless typing stops on a lost focus:
// then every key this call holds is released and Caps Lock is put back as it was.
SendOutcome SendKeySequence(SendingPlatform& platform, std::string_view sequence,
                            WindowHandle window);

// Types a run of characters through the keyboard layout, each in the case written whatever
// Caps Lock is; a character the layout has no key for is skipped.
SendOutcome TypeText(SendingPlatform& platform, std::string_view text, WindowHandle window);
