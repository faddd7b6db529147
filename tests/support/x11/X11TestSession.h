#pragma once

// Support for tests that send real keystrokes into real windows (ctest label x11), shared
// by every area's x11 tests and the typing benchmarks. Link quip_x11_test_support.
//
// Each test starts its own X server and whatever runs on it; everything ends with the
// objects, in reverse order of construction:
//
//   XvfbDisplay display;                  // Xvfb on a free display number, no reset
//   display.setKeyboardLayout("de");      // before the targets start: they read the keymap
//   Openbox wm(display);                  // only where a window manager is wanted
//   ChatTargetWindow chat(display, "Schnapsen - Chat");
//   auto platform = createX11Platform(display.name().c_str());
//   ... type into it ...
//   EXPECT_EQ(chat.waitForText("Hallo"), "Hallo");
//
// Pieces:
// - XvfbDisplay: the server; environment() gives DISPLAY and QT_QPA_PLATFORM=xcb for
//   children. Without -noreset the server would reset, and lose the layout set with
//   setxkbmap, whenever its last client leaves.
// - Openbox: an EWMH window manager, running when the constructor returns.
// - ChatTargetWindow: tools/chat-target, a Qt window with a text box that has the focus
//   within it; shown, hidden (created, never mapped) or minimised. text() reads what the
//   box holds (UTF-8); waitForText() polls until it holds what is expected.
// - ChromiumChat: Debian's Chromium with a fresh profile on a local page with a text area;
//   what it holds comes back through the page title in the window's caption.
// - X11Probe: the test's own connection, to look at captions, focus, WM_STATE and Caps
//   Lock independently of the code under test.
// - X11User: a user's clicks and keys through XTest, for a program running in the test.
// - ChildProcess, TemporaryDirectory: processes and scratch directories that clean up.
//
// The packages these need are listed in tools/packages/test-x11.txt.

#include "support/x11/ChatTargetWindow.h"
#include "support/x11/ChildProcess.h"
#include "support/x11/ChromiumChat.h"
#include "support/x11/Openbox.h"
#include "support/x11/TemporaryDirectory.h"
#include "support/x11/X11Probe.h"
#include "support/x11/X11User.h"
#include "support/x11/XvfbDisplay.h"
