#include "grid/editing/NewInplaceEdit.h"

#include "grid/view/CellTextDrawing.h"
#include "grid/view/ColorMapping.h"
#include "grid/view/FontMapping.h"
#include "grid/view/PhraseGrid.h"

#include <QTextDocument>
#include <QTextOption>

TNewInplaceEdit::TNewInplaceEdit(TPhraseGrid* grid) : TInplaceEdit(grid), phraseGrid_(grid) {}

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
    const PhraseGridModel& model = phraseGrid_->model();
    bound_ = model.current();
    SetEditorAlignment(model.effectiveAlignment(bound_.col, bound_.row));
    const TMyFont& font = model.effectiveFont(bound_.col, bound_.row);
    setFont(toQFont(font));
    // The cell's normal colours, never the selection colours.
    const QPalette& gridColors = phraseGrid_->palette();
    QPalette colors = palette();
    const QColor background = toQColor(model.effectiveColor(bound_.col, bound_.row), gridColors);
    const QColor text = toQColor(font.Color(), gridColors);
    colors.setColor(QPalette::Base,
                    background.isValid() ? background : gridColors.color(QPalette::Base));
    colors.setColor(QPalette::Text, text.isValid() ? text : gridColors.color(QPalette::Text));
    setPalette(colors);
    multiline_ = phraseGrid_->EditMultiline();
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
            phraseGrid_->postEnterEdit(bound_);
        } else if (Key.unicode() == 0x1B) {
            setText(preEditText_);
            phraseGrid_->postCancelEdit(bound_);
            // Closes the editor as Enter does, writing the text it had before.
            Key = QChar(u'\r');
        }
    }
    TInplaceEdit::KeyPress(Key);
}
