#pragma once

#include "sending/x11/X11Atoms.h"

#include <X11/Xlib.h>

#include <optional>
#include <string>
#include <vector>

// Reading the windows of other clients, any of which may vanish between two requests. Call
// these under an X11ErrorTrap: a vanished window then reads as one without the property.

// The top-level client windows, topmost first. A client is a window with WM_STATE, which
// a window manager puts on each window it manages (inside its frame, looked for a few
// levels down); without a window manager, the children of the root that carry a caption
// count, mapped or not. The program's own windows and hidden ones are included.
std::vector<Window> topLevelClientWindows(Display* display, const X11Atoms& atoms);

// The caption in UTF-8: _NET_WM_NAME, else WM_NAME; empty when there is none.
std::string windowCaptionUtf8(Display* display, const X11Atoms& atoms, Window window);

// The ICCCM state (1 normal, 3 iconic) a window manager gave the window, if any.
std::optional<long> windowWmState(Display* display, const X11Atoms& atoms, Window window);

// Whether the window exists and is viewable (mapped, and all its ancestors too).
bool windowIsViewable(Display* display, Window window);

// Whether an EWMH window manager runs (_NET_SUPPORTING_WM_CHECK).
bool windowManagerRunning(Display* display, const X11Atoms& atoms);
