#pragma once

#include <Qt>

// A small caption bar with a close box only; the windows that use it have a fixed size.
inline constexpr Qt::WindowFlags kToolWindowFlags =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
