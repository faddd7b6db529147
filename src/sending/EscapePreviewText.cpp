#include "sending/EscapePreviewText.h"

#include <string>

std::vector<KeyAction> EscapePreviewText(std::string_view previewText) {
    if (previewText.empty()) {
        return {};
    }
    return {{KeyActionKind::TypeText, 0, std::string(previewText)}};
}
