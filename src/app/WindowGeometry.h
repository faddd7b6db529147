#pragma once

#include <QRect>

class QWidget;

// A top-level window's place and size as the settings file keeps them: the outer frame,
// caption bar and borders included, so that a window restored from its own values does not
// grow by its frame on every run.

QRect outerGeometry(const QWidget& window);

// Places the window's outer frame. A window manager frames a window only once it is shown,
// so until the frame is known the placement is applied again as soon as it is.
void setOuterGeometry(QWidget& window, const QRect& outer);

// A stored placement made safe to apply: no larger than the available area (the screen
// less panels) of the screen it overlaps most, and moved into that area so that the whole
// frame, its caption bar above all, can be reached. One that overlaps no screen is centred
// on the primary screen. Unchanged when there is no screen. Any values are taken: the
// sums are worked out so that none can overflow.
QRect placedOnScreens(int left, int top, int width, int height);
