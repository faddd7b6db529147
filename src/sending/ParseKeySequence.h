#pragma once

#include "sending/KeyAction.h"

#include <string>
#include <string_view>
#include <vector>

// The key-sequence language: text to type, mixed with brace groups that name keys
// ("{F4}", "{ALTDOWN}", "{CTRL-v}"). Never fails: unknown names press nothing, braces that
// form no group are typed. A sequence without a brace group yields exactly one TypeText.
std::vector<KeyAction> ParseKeySequence(std::string_view sequence);

// The first stage of parsing: "{ENTER}", "{TAB}", "{ESC}" and "{ESCAPE}", in any letter
// case, become carriage return, tab and escape.
std::string replaceSpecialKeyNames(std::string_view sequence);
