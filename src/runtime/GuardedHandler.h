#pragma once

#include "runtime/ErrorReport.h"

// A slot that runs a window's handler under the error report, so that an error ends the
// handler and is shown, and the event loop goes on.
template <typename Window>
auto guarded(Window* window, void (Window::*handler)()) {
    return [window, handler] { runGuarded([window, handler] { (window->*handler)(); }); };
}
