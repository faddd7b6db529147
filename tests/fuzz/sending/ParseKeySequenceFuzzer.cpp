// Any byte string parses, and types without trouble against the simulated desktop. A
// sequence without a brace group is exactly one TypeText of its text.
#include "sending/ParseKeySequence.h"
#include "sending/SendKeySequence.h"
#include "sending/recording/RecordingPlatform.h"
#include "support/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

bool hasBraceGroup(std::string_view text) {
    const auto open = text.find('{');
    return open != std::string_view::npos && text.find('}', open + 1) != std::string_view::npos;
}

bool knownKey(std::uint8_t vk) {
    return (vk >= 16 && vk <= 18) || (vk >= 35 && vk <= 40) || vk == 45 || vk == 46 ||
           (vk >= 96 && vk <= 123 && vk != 108) || vk == 144;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view sequence(reinterpret_cast<const char*>(data), size);
    const std::string replaced = replaceSpecialKeyNames(sequence);
    const std::vector<KeyAction> actions = ParseKeySequence(sequence);

    if (!hasBraceGroup(replaced)) {
        check(actions.size() == 1);
        check(actions[0].kind == KeyActionKind::TypeText && actions[0].text == replaced);
    }
    std::size_t typed = 0;
    for (std::size_t i = 0; i < actions.size(); ++i) {
        const KeyAction& action = actions[i];
        if (action.kind == KeyActionKind::TypeText) {
            typed += action.text.size();
        } else if (action.kind != KeyActionKind::Activate) {
            check(knownKey(action.virtualKey));
            check(i > 0); // a key always follows its group's activation
        }
    }
    check(typed <= replaced.size());

    RecordingPlatform platform;
    const WindowHandle window = platform.openWindow("Ziel");
    check(SendKeySequence(platform, sequence, window) == SendOutcome::Completed);
    return 0;
}
