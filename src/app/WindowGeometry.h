#pragma once

#include <QRect>

class QWidget;

// A top-level window's place and size as the settings file keeps them: the outer frame,
// caption bar and borders included, so that a window restored from its own values does not
// grow by its frame on every run.

QRect outerGeometry(const QWidget& window);

// Places the window's outer frame. A window manager frames a window only once it is shown,
// so until the frame is known the size is corrected again as soon as it is.
void setOuterGeometry(QWidget& window, const QRect& outer);

// Whether any part of the rectangle lies on a screen.
bool liesOnAnyScreen(const QRect& outer);

// The rectangle moved onto the primary screen's work area (centred on it, and as large as
// fits there); unchanged when there is no screen.
QRect movedOntoPrimaryScreen(const QRect& outer);
