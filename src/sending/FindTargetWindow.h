#pragma once

#include "sending/SendingPlatform.h"

#include <string_view>

// The window whose caption is the title, else the first window in the platform's order
// whose caption begins with it; sends the window it finds the activate and restore
// commands. kNullWindow when none matches, when the title is empty, and when the lookup
// fails.
WindowHandle FindTargetWindow(SendingPlatform& platform, std::string_view title);
