#pragma once

#include <functional>

class QObject;

// Something happened to cell (col, row): an edit began, was accepted or was cancelled.
using TCellEvent = std::function<void(QObject* Sender, int col, int row)>;
// An edit of cell (col, row) ends; result starts true, and false rejects the edit.
using TCellEventBool = std::function<void(QObject* Sender, int col, int row, bool& result)>;

// The phrase grid's edit events, published by the grid and fired by its edit life cycle;
// like every component event, called only when assigned, with the grid as Sender.
struct EditEvents {
    // An edit of the cell begins.
    TCellEvent OnBeforeEdit;
    // An edit of the cell ends; setting result false rejects it.
    TCellEventBool OnValidateEdit;
    // An edit ended and was accepted (or nobody validates).
    TCellEvent OnAfterEdit;
    // An edit was cancelled with Escape.
    TCellEvent OnCancelEdit;
};
