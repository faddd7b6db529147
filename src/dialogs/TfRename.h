#pragma once

#include <QWidget>

class QLineEdit;
class QTabWidget;

// The rename dialog: a text box whose every change renames the page that is active at that
// moment. It stays on top and leaves the main window usable.
//
// Wiring, for the main window:
// - Construct it once at start and keep it for the whole run:
//     TfRename(mainWindow, pages, parent)
//   mainWindow: the window it is placed on (outer frame); pages: the page control whose
//     active page it renames. Both must outlive the dialog.
//   parent: optional; the main window makes the dialog its child window (and then owns it).
// - The rename command calls openFromMainWindow(), also while the dialog is open.
class TfRename : public QWidget {
    Q_OBJECT
public:
    TfRename(QWidget* mainWindow, QTabWidget* pages, QWidget* parent = nullptr);

    // Shows the dialog, places it on the main window and loads the active page's caption.
    void openFromMainWindow();

    void Edit1Change();
    void FormClose();

    QLineEdit* const Edit1;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void renameActivePage();

    QWidget* mainWindow_;
    QTabWidget* pages_;
};
