#include "dialogs/TfRename.h"

#include "runtime/GuardedHandler.h"
#include "widgets/DesignFont.h"
#include "widgets/WindowPlacement.h"
#include "widgets/WindowStyle.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QTabWidget>

TfRename::TfRename(QWidget* mainWindow, QTabWidget* pages, QWidget* parent)
    : QWidget(parent, kToolWindowFlags | Qt::WindowStaysOnTopHint), Edit1(new QLineEdit(this)),
      mainWindow_(mainWindow), pages_(pages) {
    setWindowTitle(QStringLiteral("Umbenennen"));
    setFont(designFont(DesignTypeface::MsSansSerif));
    setFixedSize(162, 42);
    Edit1->setGeometry(8, 8, 145, 21);
    Edit1->setText(QStringLiteral("Edit1"));
    connect(Edit1, &QLineEdit::textChanged, this, guarded(this, &TfRename::Edit1Change));
}

void TfRename::openFromMainWindow() {
    show();
    placeOnMainWindow(*this, *mainWindow_);
    const int page = pages_->currentIndex();
    if (page >= 0) {
        Edit1->setText(pages_->tabText(page));
    }
    raise();
    activateWindow();
}

void TfRename::Edit1Change() {
    renameActivePage();
}

void TfRename::FormClose() {
    renameActivePage();
}

void TfRename::renameActivePage() {
    const int page = pages_->currentIndex();
    if (page >= 0) {
        pages_->setTabText(page, Edit1->text());
    }
}

void TfRename::closeEvent(QCloseEvent* event) {
    guarded(this, &TfRename::FormClose)();
    QWidget::closeEvent(event);
}
