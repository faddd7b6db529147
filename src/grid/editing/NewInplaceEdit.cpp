#include "grid/editing/NewInplaceEdit.h"

#include "grid/editing/InplaceEditorHost.h"
#include "grid/mapping/AlignmentMapping.h"

#include <QTextDocument>
#include <QTextOption>

TNewInplaceEdit::TNewInplaceEdit(InplaceEditorHost* host) : TInplaceEdit(host) {}

void TNewInplaceEdit::SetEditorAlignment(TMyAlign alignment) {
    if (alignment == alignment_) {
        return;
    }
    alignment_ = alignment;
    const QTextCursor selection = textCursor();
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(horizontalAlignment(alignment));
    document()->setDefaultTextOption(option);
    setTextCursor(selection);
}

void TNewInplaceEdit::UpdateContents() {
    TInplaceEdit::UpdateContents();
    const InplaceEditorSetup setup = host().editorSetup(BoundCell());
    SetEditorAlignment(setup.alignment);
    setFont(setup.font);
    QPalette colors = palette();
    colors.setColor(QPalette::Base, setup.background);
    colors.setColor(QPalette::Text, setup.text);
    setPalette(colors);
    multiline_ = setup.multiline;
}

void TNewInplaceEdit::KeyDown(int& Key, TShiftState Shift) {
    if (multiline_) {
        switch (Key) {
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_End:
        case Qt::Key_Home:
        case Qt::Key_Left:
        case Qt::Key_Up:
        case Qt::Key_Right:
        case Qt::Key_Down:
            // The caret's keys: they stay in the text and the grid never sees them.
            return;
        default:
            break;
        }
    }
    TInplaceEdit::KeyDown(Key, Shift);
}

void TNewInplaceEdit::KeyPress(QChar& Key) {
    if (!bound() || Key == QChar(u'\t')) {
        Key = QChar();
        return;
    }
    if (!multiline_) {
        if (Key == QChar(u'\r')) {
            emit editEntered(BoundCell());
        } else if (Key.unicode() == 0x1B) {
            setText(preEditText_);
            emit editCancelled(BoundCell());
            // Closes the editor as Enter does, writing the text it had before.
            Key = QChar(u'\r');
        }
    }
    TInplaceEdit::KeyPress(Key);
}
