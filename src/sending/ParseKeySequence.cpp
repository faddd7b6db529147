#include "sending/ParseKeySequence.h"

#include "sending/AsciiText.h"
#include "sending/KeyNames.h"
#include "sending/VirtualKeys.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace {

bool matchesIgnoringAsciiCase(std::string_view text, std::size_t at, std::string_view upperName) {
    if (text.size() - at < upperName.size()) {
        return false;
    }
    return std::equal(upperName.begin(), upperName.end(), text.begin() + static_cast<long>(at),
                      [](char name, char c) { return name == asciiUpper(c); });
}

// Every occurrence, left to right, without overlaps.
std::string replaceAllIgnoringAsciiCase(std::string_view text, std::string_view upperName,
                                        char replacement) {
    std::string result;
    result.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (matchesIgnoringAsciiCase(text, i, upperName)) {
            result += replacement;
            i += upperName.size();
        } else {
            result += text[i++];
        }
    }
    return result;
}

std::optional<std::uint8_t> modifierKey(std::string_view upperName) {
    if (upperName == "ALT") {
        return kVkAlt;
    }
    if (upperName == "CTRL") {
        return kVkCtrl;
    }
    if (upperName == "SHIFT") {
        return kVkShift;
    }
    return std::nullopt;
}

void interpretToken(std::string_view content, std::vector<KeyAction>& actions) {
    const std::string_view token = trimControls(content);
    const KeyAction activate{KeyActionKind::Activate, 0, {}};

    if (const auto named = keyNameAction(asciiUpper(token))) {
        actions.push_back(activate);
        actions.push_back(*named);
        return;
    }
    if (const auto dash = token.find('-'); dash != std::string_view::npos) {
        // A dash with anything but a modifier name before it names nothing at all.
        if (const auto key = modifierKey(asciiUpper(token.substr(0, dash)))) {
            actions.push_back(activate);
            actions.push_back({KeyActionKind::KeyDown, *key, {}});
            actions.push_back({KeyActionKind::TypeText, 0, std::string(token.substr(dash + 1))});
            actions.push_back({KeyActionKind::KeyUp, *key, {}});
        }
        return;
    }
    actions.push_back(activate);
}

void pushText(std::vector<KeyAction>& actions, std::string_view text) {
    actions.push_back({KeyActionKind::TypeText, 0, std::string(text)});
}

} // namespace

std::string replaceSpecialKeyNames(std::string_view sequence) {
    struct Special {
        std::string_view name;
        char replacement;
    };
    static constexpr std::array<Special, 4> specials{{
        {"{ENTER}", '\r'},
        {"{TAB}", '\t'},
        {"{ESC}", '\x1b'},
        {"{ESCAPE}", '\x1b'},
    }};
    std::string result(sequence);
    for (const Special& special : specials) {
        result = replaceAllIgnoringAsciiCase(result, special.name, special.replacement);
    }
    return result;
}

std::vector<KeyAction> ParseKeySequence(std::string_view sequence) {
    const std::string text = replaceSpecialKeyNames(sequence);
    const std::string_view view(text);

    std::vector<KeyAction> actions;
    bool anyGroup = false;
    bool groupOpen = false;
    std::size_t groupStart = 0;
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < view.size(); ++i) {
        if (view[i] == '{' && !groupOpen) {
            groupOpen = true;
            groupStart = i;
        } else if (view[i] == '}' && groupOpen) {
            groupOpen = false;
            anyGroup = true;
            if (groupStart > runStart) {
                pushText(actions, view.substr(runStart, groupStart - runStart));
            }
            interpretToken(view.substr(groupStart + 1, i - groupStart - 1), actions);
            runStart = i + 1;
        }
    }
    // An unclosed group is no group: its brace and what follows are typed.
    if (!anyGroup || runStart < view.size()) {
        pushText(actions, view.substr(runStart));
    }
    return actions;
}
