#pragma once

#include "GridImages.h"
#include "GridWindow.h"
#include "NewInplaceEdit.h"
#include "PhraseGrid.h"

#include <QCoreApplication>
#include <QFont>

#include <ostream>

inline void PrintTo(const GridCell& cell, std::ostream* out) {
    *out << '(' << cell.col << ", " << cell.row << ')';
}

// A phrase grid in GridWindow's layout, drawn in DejaVu Sans of 12 pixels.
class PhraseGridWindow : public GridWindow<TPhraseGrid> {
protected:
    void SetUp() override {
        GridWindow::SetUp();
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(12);
        window->setFont(font);
    }

    PhraseGridModel& model() { return grid->model(); }
    TNewInplaceEdit* editor() const {
        return qobject_cast<TNewInplaceEdit*>(grid->InplaceEditor());
    }
    bool editorShows() const { return editor() && editor()->isVisible(); }
    // Runs what the last input posted (the edit notifications).
    static void settle() { QCoreApplication::processEvents(); }

    // Word wrap is set per cell only by form data: a cell-layer entry that says so.
    void wrapCell(int col, int row, T_Wordwrap wrap) {
        if (TCellProperties* entry = model().Entry(PropertyLayer::Cell, col, row)) {
            entry->setWordwrap(wrap);
            return;
        }
        PhraseGridModel::Record entry = model().NewRecord();
        entry->setWordwrap(wrap);
        model().PutEntry(PropertyLayer::Cell, col, row, std::move(entry));
    }
};
