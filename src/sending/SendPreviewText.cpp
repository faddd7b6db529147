#include "sending/SendPreviewText.h"

#include "sending/EscapePreviewText.h"
#include "sending/FindTargetWindow.h"
#include "sending/SendKeySequence.h"

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
    std::string text = EscapePreviewText(previewText);
    if (autoEnter) {
        text += "{ENTER}";
    }
    return SendKeySequence(platform, text, window) == SendOutcome::Completed
               ? SendResult::Sent
               : SendResult::FocusLost;
}

std::string missingTargetMessage(std::string_view targetTitle) {
    std::string message = "Zielfenster ";
    message += targetTitle;
    message += " nicht vorhanden!";
    return message;
}
