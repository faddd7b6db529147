// Whatever the user writes in the preview box is typed as it stands: after escaping, the
// parser sees only Alt and Ctrl around the base keys of the AltGr characters.
#include "sending/EscapePreviewText.h"
#include "sending/ParseKeySequence.h"
#include "support/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

char baseKey(char c) {
    const std::string_view escape = altGrEscape(c);
    return escape.empty() ? c : escape[19]; // "{ALTDOWN}{CTRLDOWN}" is 19 long
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view preview(reinterpret_cast<const char*>(data), size);
    std::string expected;
    for (const char c : preview) {
        expected += baseKey(c);
    }

    std::string typed;
    for (const KeyAction& action : ParseKeySequence(EscapePreviewText(preview))) {
        switch (action.kind) {
        case KeyActionKind::TypeText:
            typed += action.text;
            break;
        case KeyActionKind::KeyDown:
        case KeyActionKind::KeyUp:
            check(action.virtualKey == 17 || action.virtualKey == 18);
            break;
        case KeyActionKind::KeyPress:
            check(false);
            break;
        case KeyActionKind::Activate:
            break;
        }
    }
    check(typed == expected);
    return 0;
}
