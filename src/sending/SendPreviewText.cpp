#include "sending/SendPreviewText.h"

#include "sending/EscapePreviewText.h"
#include "sending/FindTargetWindow.h"
#include "sending/ParseKeySequence.h"
#include "sending/SendKeySequence.h"

#include <utility>

SendResult SendPreviewText(SendingPlatform& platform, std::string_view targetTitle,
                           std::string_view previewText, bool autoEnter) {
    if (FindTargetWindow(platform, targetTitle) == kNullWindow) {
        return SendResult::TargetMissing;
    }
    // The second lookup activates the window once more; its answer is the one typed into.
    const WindowHandle window = FindTargetWindow(platform, targetTitle);
    if (window == kNullWindow) {
        return SendResult::TargetMissing;
    }
    std::vector<KeyAction> actions = EscapePreviewText(previewText);
    if (autoEnter) {
        for (KeyAction& enter : ParseKeySequence("{ENTER}")) {
            actions.push_back(std::move(enter));
        }
    }
    return SendKeyActions(platform, actions, window) == SendOutcome::Completed
               ? SendResult::Sent
               : SendResult::FocusLost;
}

std::string missingTargetMessage(std::string_view targetTitle) {
    std::string message = "Zielfenster ";
    message += targetTitle;
    message += " nicht vorhanden!";
    return message;
}

std::string focusLostMessage(std::string_view targetTitle) {
    std::string message = "Zielfenster ";
    message += targetTitle;
    message += " hat den Fokus verloren, der Text wurde nicht vollst\xE4ndig gesendet!";
    return message;
}
