#pragma once

#include "sending/SendingPlatform.h"

#include <string>
#include <string_view>

enum class SendResult {
    Sent,
    // No window matches the title (also when it closed between the two lookups): nothing
    // was typed, and the user is told with MissingTargetMessage.
    TargetMissing,
    // The window lost the focus while typing and typing stopped: the text did not arrive
    // whole, and the user is told with focusLostMessage.
    FocusLost,
};

// One press of a Send button: finds and activates the target window, types the preview
// text into it as it stands, and an Enter after it when asked.
SendResult SendPreviewText(SendingPlatform& platform, std::string_view targetTitle,
                           std::string_view previewText, bool autoEnter);

// "Zielfenster <title> nicht vorhanden!", in cp1252 like the title.
std::string missingTargetMessage(std::string_view targetTitle);

// "Zielfenster <title> hat den Fokus verloren, der Text wurde nicht vollständig gesendet!",
// in cp1252 like the title.
std::string focusLostMessage(std::string_view targetTitle);
