#include "sending/FindTargetWindow.h"

#include "sending/CaptionMatch.h"

#include <string>

WindowHandle FindTargetWindow(SendingPlatform& platform, std::string_view title) {
    // Every caption begins with the empty title: it would pick whatever window comes first.
    if (title.empty()) {
        return kNullWindow;
    }
    try {
        WindowHandle found = platform.findWindowByCaption(title);
        if (found == kNullWindow) {
            platform.forEachTopLevelWindow([&](WindowHandle window) {
                std::string caption = platform.windowCaption(window);
                if (caption.size() > kMaxCaptionLength) {
                    caption.resize(kMaxCaptionLength);
                }
                if (captionStartsWith(caption, title)) {
                    found = window;
                    return false;
                }
                return true;
            });
        }
        if (found != kNullWindow) {
            platform.sendSystemCommand(found, SystemCommand::Hotkey);
            platform.sendSystemCommand(found, SystemCommand::Restore);
        }
        return found;
    } catch (...) {
        // A failed lookup is a missing window to the user, not an error.
        return kNullWindow;
    }
}
