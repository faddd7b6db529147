#pragma once

#include <QDialog>

#include <functional>

class PhraseGridModel;
class QGroupBox;
class SpinEdit;

// The row-height dialog: a spinner whose every change sets the default row height of the
// active page's grid at once.
//
// Wiring, for the main window:
// - Construct it once at start and keep it for the whole run:
//     TfZeilenHoehe(mainWindow, activeGrid, parent)
//   mainWindow: the window it is placed on (outer frame); must outlive the dialog.
//   activeGrid: returns the active page's grid, or nullptr when no page is active; asked
//     anew at every showing and every change.
//   parent: optional; the main window makes the dialog its child window (and then owns it).
// - The row-height command calls openFromMainWindow(), which returns when the dialog is
//   closed.
class TfZeilenHoehe : public QDialog {
    Q_OBJECT
public:
    using ActiveGrid = std::function<PhraseGridModel*()>;

    TfZeilenHoehe(QWidget* mainWindow, ActiveGrid activeGrid, QWidget* parent = nullptr);

    // Places the dialog on the main window, then shows it modally.
    void openFromMainWindow();

    void FormShow();
    void SpinEdit1Change();

    QGroupBox* const GroupBox1;
    SpinEdit* const SpinEdit1;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* mainWindow_;
    ActiveGrid activeGrid_;
};
