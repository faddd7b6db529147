#pragma once

#include "sending/KeyAction.h"

#include <string_view>
#include <vector>

// The key actions that type the preview text as it stands: one run of characters, nothing
// when the text is empty. No brace the user wrote opens a key name, and the characters
// that the German layout has at AltGr ({ } [ ] ~ | @) are typed, like every other one,
// with their own key on the layout in use: on the German layout that is Alt and Ctrl held
// around 7, 0, 8, 9, +, < and q.
std::vector<KeyAction> EscapePreviewText(std::string_view previewText);
