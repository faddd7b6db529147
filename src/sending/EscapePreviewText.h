#pragma once

#include <string>
#include <string_view>

// The key sequence that types the character on the German layout by holding Alt and Ctrl
// around its base key ("@" is Ctrl+Alt+Q); empty for a character that needs none.
std::string_view altGrEscape(char character);

// The preview text with every AltGr character replaced by its escape. Since the braces are
// replaced too, nothing the user wrote can act as a brace group: the text is typed as it
// stands.
std::string EscapePreviewText(std::string_view previewText);
