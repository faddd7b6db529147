#pragma once

#include "sending/SendingPlatform.h"

#include <string>
#include <string_view>

enum class SendResult {
    Sent,
    // No window matches the title (also when it closed between the two lookups): nothing
    // was typed, and the user is told with MissingTargetMessage.
    TargetMissing,
    // The window lost the focus while typing and typing stopped; there is no message for it.
    FocusLost,
};

// One press of a Send button: finds and activates the target window, escapes the preview
// text for the German layout, adds an Enter when asked, and types it into the window.
SendResult SendPreviewText(SendingPlatform& platform, std::string_view targetTitle,
                           std::string_view previewText, bool autoEnter);

// "Zielfenster <title> nicht vorhanden!", in cp1252 like the title.
std::string missingTargetMessage(std::string_view targetTitle);
