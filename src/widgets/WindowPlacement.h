#pragma once

#include <QPoint>
#include <QSize>

#include <functional>
#include <optional>

class QWidget;

// Places and sizes top-level windows by their outer frame, caption bar and borders
// included. A window manager frames a window only some time after it is shown; until then
// Qt takes the frame to be empty, so a frame placed or sized then ends up off by the frame.
// Each placement is therefore applied at once and again as soon as the frame is known.

// The outer frame a window should get: a size, a place, or both. The place is worked out
// from the outer size, so that it can follow a frame that is not known yet.
struct OuterPlacement {
    std::optional<QSize> size;
    std::function<QPoint(const QSize& outer)> topLeft;
};

// Applies the placement now and once more when the window's frame becomes known; a later
// placement replaces one still waiting. A user's move or resize after the frame is known is
// never undone.
void setOuterPlacement(QWidget& window, OuterPlacement placement);

// Places a window that belongs to the main window at its top edge + 100 and its left edge +
// half its width, all of the outer frames.
void placeOnMainWindow(QWidget& window, const QWidget& mainWindow);

// Gives the window this outer size (when given) and centres its outer frame on its screen.
void centreOnScreen(QWidget& window, std::optional<QSize> outer = std::nullopt);
