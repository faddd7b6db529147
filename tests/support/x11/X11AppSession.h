#pragma once

class XvfbDisplay;

// The X server the whole test program runs on (German keyboard layout, openbox), started by
// main() before the QApplication connects to it.
const XvfbDisplay& testDisplay();
