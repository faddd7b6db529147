#pragma once

class QSize;
class QWidget;

// Places a window that belongs to the main window at its top edge + 100 and its left edge +
// half its width, all of the outer frames.
void placeOnMainWindow(QWidget& window, const QWidget& mainWindow);

// Centres the window's outer frame on its screen.
void centreOnScreen(QWidget& window);

// Gives the window this outer size, as far as its frame is known yet (a window manager
// frames a window only once it is shown).
void setOuterSize(QWidget& window, const QSize& outer);
