// The handlers of the grids, the row commands, the file commands and the windows the main
// window opens.
#include "app/TfMain.h"

#include "app/PhraseFiles.h"
#include "app/PreviewBox.h"
#include "dialogs/TfAbout.h"
#include "dialogs/TfHelp.h"
#include "dialogs/TfOptionen.h"
#include "dialogs/TfRename.h"
#include "dialogs/TfZeilenHoehe.h"
#include "grid/text/GridTextFile.h"
#include "grid/view/PhraseGrid.h"
#include "runtime/ErrorReport.h"
#include "runtime/QuipError.h"
#include "runtime/SettingsKeys.h"
#include "widgets/WindowPlacement.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTabWidget>

void TfMain::connectGrids() {
    for (TPhraseGrid* grid : grd) {
        grid->OnDblClick = [this](QObject* Sender) { runGuarded([&] { grd_1DblClick(Sender); }); };
        grid->OnMouseDown = [this](QObject* Sender, TMouseButton Button, TShiftState Shift, int X,
                                   int Y) {
            runGuarded([&] { grd_4MouseDown(Sender, Button, Shift, X, Y); });
        };
        // The press has recorded the row before the menu opens.
        connect(grid, &QWidget::customContextMenuRequested, this,
                [this, grid](QPoint at) { PopupMenu1->popup(grid->viewport()->mapToGlobal(at)); });
    }
}

TPhraseGrid* TfMain::ActiveGrid() const {
    const int page = PageControl1->currentIndex();
    return page >= 0 && page < kPageCount ? grd[page] : nullptr;
}

void TfMain::grd_1DblClick(QObject* Sender) {
    // The current cell, which need not be the one under the pointer.
    if (const auto* grid = qobject_cast<TPhraseGrid*>(Sender)) {
        const PhraseGridModel& model = grid->model();
        appendToPreview(*Memo1, model.Cells(model.Col(), model.Row()) + ' ');
    }
}

void TfMain::grd_4MouseDown(QObject* Sender, TMouseButton /*Button*/, TShiftState /*Shift*/, int X,
                            int Y) {
    if (const auto* grid = qobject_cast<TPhraseGrid*>(Sender)) {
        int col = -1;
        int row = -1;
        grid->MouseToCell(X, Y, col, row);
        pressedRow_ = col < 0 || row < 0 ? -1 : row;
    }
}

void TfMain::ak1Click() {
    if (TPhraseGrid* grid = ActiveGrid()) {
        grid->model().RemoveRow(pressedRow_);
    }
}

void TfMain::Zeileeinfgen1Click() {
    if (TPhraseGrid* grid = ActiveGrid()) {
        grid->model().InsertRow(pressedRow_);
    }
}

void TfMain::Speichern1Click() {
    closeEditors();
    for (int page = 0; page < kPageCount; ++page) {
        savePhraseFile(page);
    }
}

void TfMain::Laden1Click() {
    // An open editor would later write what it holds into the reloaded page: its text goes
    // into its own cell first, which the file then replaces (or which keeps it when the
    // file cannot be read).
    closeEditors();
    // Files read only in part are reported with the failure that may end the loading.
    QStringList messages;
    try {
        for (int page = 0; page < kPageCount; ++page) {
            if (loadPhraseFile(page) == FileLoad::UpToNul) {
                messages << readUpToNulNotice(page);
            }
        }
    } catch (const QuipError& error) {
        messages << error.message();
    }
    if (!messages.isEmpty()) {
        showErrorReport(messages);
    }
}

void TfMain::PageControl1Resize() {
    applyColumnWidthRule();
}

void TfMain::applyColumnWidthRule() {
    const int width = PageControl1->width();
    for (int page = 0; page < kPageCount; ++page) {
        PhraseGridModel& model = grd[page]->model();
        if (page == kSmileysPage) {
            model.setColWidths(0, 65);
            model.setColWidths(1, width - 100);
        } else {
            model.setDefaultColWidth(width - 10);
        }
    }
}

void TfMain::Einstellungen1Click() {
    if (dialogs_.options != nullptr) {
        runModal(*dialogs_.options);
    }
}

void TfMain::Stayontop1Click() {
    const QRect place = geometry();
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, Stayontop1->isChecked());
    // Changing the flag hides the window: it comes back where it was.
    setGeometry(place);
    if (visible) {
        show();
        raise();
        activateWindow();
    }
}

void TfMain::Umbenennen1Click() {
    if (dialogs_.rename != nullptr) {
        dialogs_.rename->openFromMainWindow();
    }
}

void TfMain::Zeilenhhe1Click() {
    if (dialogs_.rowHeight != nullptr) {
        placeOnMainWindow(*dialogs_.rowHeight, *this);
        runModal(*dialogs_.rowHeight);
    }
}

void TfMain::Hilfe2Click() {
    if (dialogs_.help != nullptr) {
        dialogs_.help->show();
        dialogs_.help->raise();
    }
}

void TfMain::About1Click() {
    if (dialogs_.about != nullptr) {
        dialogs_.about->show();
        dialogs_.about->raise();
    }
}
