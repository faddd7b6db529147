#pragma once

#include <string>
#include <string_view>

// What the user is told after a send that left characters out because the keyboard layout
// has no key for them: "Diese Zeichen kann die Tastaturbelegung nicht schreiben, sie wurden
// nicht gesendet: " and the characters, separated by blanks; the invisible ones (no-break
// space, soft hyphen) by name. In cp1252, like the characters.
std::string untypedCharactersMessage(std::string_view characters);
