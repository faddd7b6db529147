#include "dialogs/TfZeilenHoehe.h"

#include "grid/model/PhraseGridModel.h"
#include "runtime/GuardedHandler.h"
#include "widgets/DesignFont.h"
#include "widgets/SpinEdit.h"
#include "widgets/WindowPlacement.h"
#include "widgets/WindowStyle.h"

#include <QGroupBox>

#include <utility>

TfZeilenHoehe::TfZeilenHoehe(QWidget* mainWindow, ActiveGrid activeGrid, QWidget* parent)
    : QDialog(parent, kToolWindowFlags),
      GroupBox1(new QGroupBox(QStringLiteral("Zeilenhöhe"), this)),
      SpinEdit1(new SpinEdit(0, 100, GroupBox1)), mainWindow_(mainWindow),
      activeGrid_(std::move(activeGrid)) {
    setWindowTitle(QStringLiteral("Zeilenhöhe"));
    setFont(designFont(DesignTypeface::MsSansSerif));
    setFixedSize(170, 70);
    GroupBox1->setGeometry(8, 8, 153, 49);
    SpinEdit1->setGeometry(72, 16, 65, 21);
    SpinEdit1->setValue(25);
    connect(SpinEdit1, &QSpinBox::valueChanged, this,
            guarded(this, &TfZeilenHoehe::SpinEdit1Change));
}

void TfZeilenHoehe::openFromMainWindow() {
    placeOnMainWindow(*this, *mainWindow_);
    exec();
}

void TfZeilenHoehe::FormShow() {
    // A height beyond the spinner's range shows as its bound, and that change sets the grid.
    if (const PhraseGridModel* grid = activeGrid_ ? activeGrid_() : nullptr) {
        SpinEdit1->setValue(grid->DefaultRowHeight());
    }
}

void TfZeilenHoehe::SpinEdit1Change() {
    if (PhraseGridModel* grid = activeGrid_ ? activeGrid_() : nullptr) {
        grid->setDefaultRowHeight(SpinEdit1->value());
    }
}

void TfZeilenHoehe::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    guarded(this, &TfZeilenHoehe::FormShow)();
}
