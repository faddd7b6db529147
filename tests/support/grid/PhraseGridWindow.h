#pragma once

#include "grid/editing/NewInplaceEdit.h"
#include "grid/view/PhraseGrid.h"
#include "support/grid/GridImages.h"
#include "support/grid/GridWindow.h"

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

    // The text of a cell and its word wrap, which only form data sets per cell (ww_default:
    // not set here).
    void put(int col, int row, const QByteArray& text, T_Wordwrap wrap = T_Wordwrap::ww_default) {
        model().setCells(col, row, text);
        if (TCellProperties* entry = model().entry(PropertyLayer::Cell, col, row)) {
            entry->setWordwrap(wrap);
            return;
        }
        PhraseGridModel::Record entry = model().newRecord();
        entry->setWordwrap(wrap);
        model().putEntry(PropertyLayer::Cell, col, row, std::move(entry));
    }
};
