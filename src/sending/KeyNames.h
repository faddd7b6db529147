#pragma once

#include "sending/KeyAction.h"

#include <optional>
#include <string_view>

// The action of a key name of the key-sequence language ("ALTDOWN", "NUM5", "F12", ...),
// looked up exactly as given (callers upper-case first); nothing for an unknown name.
std::optional<KeyAction> keyNameAction(std::string_view upperName);
