#pragma once

#include "grid/model/GridTypes.h"

// The model's hold on the view's in-place editor. The row and column operations hide the
// editor while they shift cells, show it again afterwards, and keep the cell the editor
// remembers on the same text when rows or columns move.
class GridEditorLink {
public:
    virtual ~GridEditorLink() = default;

    // True while the editor is shown.
    virtual bool editorVisible() const = 0;
    // The cell the editor was loaded for; (-1, -1) when it is bound to none or does not exist.
    virtual GridCell editorCell() const = 0;
    // Rebinds the editor to another cell (the same text, after rows or columns moved);
    // (-1, -1) unbinds it because its cell is gone. Does nothing when there is no editor.
    virtual void setEditorCell(GridCell cell) = 0;
    // The view's ShowEditor and HideEditor: the editor mode on, the editor shown over the
    // current cell; the mode off, the editor hidden, its text written into the cell it is
    // bound to.
    virtual void ShowEditor() = 0;
    virtual void HideEditor() = 0;
};
