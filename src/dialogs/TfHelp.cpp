#include "dialogs/TfHelp.h"

#include "runtime/GuardedHandler.h"
#include "runtime/rtf/RtfReader.h"
#include "widgets/DesignFont.h"
#include "widgets/InfoBackground.h"
#include "widgets/WindowPlacement.h"

#include <QSize>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

TfHelp::TfHelp(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), RichEdit1(new QTextEdit(this)) {
    setWindowTitle(QStringLiteral("Hilfe"));
    // Left open, it must not keep the program running once the main window is closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    const QFont font = designFont(DesignTypeface::Tahoma);
    setFont(font);
    resize(622, 542);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(RichEdit1);
    RichEdit1->setReadOnly(true);
    RichEdit1->setUndoRedoEnabled(false);
    RichEdit1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    RichEdit1->document()->setDefaultFont(font);
    fillWithInfoBackground(*RichEdit1);

    guarded(this, &TfHelp::FormCreate)();
}

void TfHelp::FormCreate() {
    loadRtfFile(QStringLiteral("Help.rtf"), *RichEdit1->document());
    // Shown from its beginning.
    RichEdit1->moveCursor(QTextCursor::Start);
}

void TfHelp::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Placed once: later showings leave it where the user put it.
    if (!placed_) {
        placed_ = true;
        centreOnScreen(*this, QSize(622, 542));
    }
}
