#pragma once

class GridClipboard;
class StringGridModel;

// Cut, copy and paste of the selected cells in the grid's text layout with TAB separators.
// The clipboard text is the exported lines followed by a NUL; pasting reads up to the first
// NUL.

// Puts the selected cells on the clipboard.
void CopyToClipboard(const StringGridModel& grid, GridClipboard& clipboard);
// Copies the selected cells and then empties them, whatever their editability.
void CutToClipboard(StringGridModel& grid, GridClipboard& clipboard);
// Fills the selection from the clipboard text: it starts at the selection's left column and
// top row and stops at its right column and bottom row, adding no rows or columns. No text on
// the clipboard changes nothing.
void PasteFromClipboard(StringGridModel& grid, const GridClipboard& clipboard);
