#pragma once

#include "grid/model/GridTypes.h"

#include <QTimer>

#include <functional>

// The click on the current cell that opens the editor: it counts only once the
// double-click time has passed without a second click, so that a double-click never starts
// an edit, and, if the button is still held then, once it is let go.
class ClickToEdit {
public:
    // buttonHeld tells whether the click's button is still down; due runs when the click
    // counts, with the cell it was made on.
    ClickToEdit(std::function<bool()> buttonHeld, std::function<void(GridCell)> due);

    // A click on the current cell.
    void arm(GridCell cell);
    // Another click, a key or the focus leaving: the click no longer counts.
    void disarm();
    // The button was let go.
    void released();

private:
    void timeUp();

    std::function<bool()> buttonHeld_;
    std::function<void(GridCell)> due_;
    QTimer timer_;
    GridCell cell_;
    bool onRelease_ = false;
};
