#include "sending/EscapePreviewText.h"

std::string_view altGrEscape(char character) {
    switch (character) {
    case '{':
        return "{ALTDOWN}{CTRLDOWN}7{ALTUP}{CTRLUP}";
    case '}':
        return "{ALTDOWN}{CTRLDOWN}0{ALTUP}{CTRLUP}";
    case '[':
        return "{ALTDOWN}{CTRLDOWN}8{ALTUP}{CTRLUP}";
    case ']':
        return "{ALTDOWN}{CTRLDOWN}9{ALTUP}{CTRLUP}";
    case '~':
        return "{ALTDOWN}{CTRLDOWN}+{ALTUP}{CTRLUP}";
    case '|':
        return "{ALTDOWN}{CTRLDOWN}<{ALTUP}{CTRLUP}";
    case '@':
        return "{ALTDOWN}{CTRLDOWN}q{ALTUP}{CTRLUP}";
    default:
        return {};
    }
}

std::string EscapePreviewText(std::string_view previewText) {
    std::string result;
    result.reserve(previewText.size());
    for (const char c : previewText) {
        const std::string_view escape = altGrEscape(c);
        if (escape.empty()) {
            result += c;
        } else {
            result += escape;
        }
    }
    return result;
}
