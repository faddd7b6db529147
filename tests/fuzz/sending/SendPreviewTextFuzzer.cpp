// Whatever the user writes in the preview box arrives as written, on every recorded layout:
// braces never act as key names, AltGr and dead-key characters and those without a key
// come through, and no modifier of ours is left down.
#include "charset/Cp1252Table.h"
#include "sending/SendPreviewText.h"
#include "sending/VirtualKeys.h"
#include "sending/recording/RecordingPlatform.h"
#include "support/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Control characters are typed through their keys, each layout its own way.
    std::string preview;
    for (std::size_t i = 0; i < size; ++i) {
        if (isPrintableCp1252(data[i])) {
            preview += static_cast<char>(data[i]);
        }
    }
    for (const auto layout : {KeyboardLayout::German, KeyboardLayout::SwissGerman,
                              KeyboardLayout::French, KeyboardLayout::US}) {
        RecordingPlatform platform(layout);
        const WindowHandle chat = platform.openWindow("Chat");
        platform.setCapsLock(size % 2 == 1);
        check(SendPreviewText(platform, "Chat", preview, false) == SendResult::Sent);
        check(platform.received(chat) == preview);
        check(!platform.isDown(kVkShift) && !platform.isDown(kVkCtrl) && !platform.isDown(kVkAlt));
        check(platform.capsLock() == (size % 2 == 1));
    }
    return 0;
}
