#include "grid/editing/InplaceEdit.h"

#include "grid/editing/InplaceEditorHost.h"
#include "runtime/Cp1252.h"

#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>

TInplaceEdit::TInplaceEdit(InplaceEditorHost* host)
    : QPlainTextEdit(host->editorParent()), host_(host) {
    setFrameShape(QFrame::NoFrame);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The text starts where the cell draws it: 2 pixels in.
    document()->setDocumentMargin(2);
    setFocusPolicy(Qt::StrongFocus);
}

QByteArray TInplaceEdit::Text() const {
    // The raw text keeps no-break spaces, which toPlainText() would turn into blanks.
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QChar::LineFeed);
    text.replace(QChar::LineSeparator, QChar::LineFeed);
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return toCp1252(text);
}

void TInplaceEdit::setText(const QByteArray& text) {
    QString lines = fromCp1252(text);
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QChar::CarriageReturn, QChar::LineFeed);
    setPlainText(lines);
}

int TInplaceEdit::SelStart() const {
    return textCursor().selectionStart();
}

void TInplaceEdit::setSelStart(int start) {
    QTextCursor cursor = textCursor();
    const int end = document()->characterCount() - 1;
    cursor.setPosition(std::clamp(start, 0, end));
    setTextCursor(cursor);
}

int TInplaceEdit::SelLength() const {
    const QTextCursor cursor = textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void TInplaceEdit::setSelLength(int length) {
    // From SelStart on; a negative length selects to the end.
    QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    const int end = document()->characterCount() - 1;
    cursor.setPosition(start);
    cursor.setPosition(length < 0 ? end : std::min(end, start + length), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void TInplaceEdit::SelectAll() {
    selectAll();
}

void TInplaceEdit::Deselect() {
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::End);
    setTextCursor(cursor);
}

void TInplaceEdit::UpdateContents() {
    bound_ = host_->currentCell();
    setText(host_->GetEditText(bound_.col, bound_.row));
}

void TInplaceEdit::KeyDown(int& Key, TShiftState Shift) {
    const auto sendToGrid = [&] {
        host_->KeyDown(Key, Shift);
        Key = 0;
    };
    const QTextCursor cursor = textCursor();
    const bool atStart = !cursor.hasSelection() && cursor.atStart();
    const bool atEnd = !cursor.hasSelection() && cursor.atEnd();
    switch (Key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Escape:
        sendToGrid();
        break;
    case Qt::Key_Tab:
        if (!Shift.testFlag(ssAlt)) {
            sendToGrid();
        }
        break;
    case Qt::Key_Left:
    case Qt::Key_Home:
        if (atStart) {
            sendToGrid();
        }
        break;
    case Qt::Key_Right:
    case Qt::Key_End:
        if (atEnd) {
            sendToGrid();
        }
        break;
    default:
        break;
    }
    if (Key != 0) {
        host_->editorKeyDown(Key, Shift);
    }
}

void TInplaceEdit::KeyPress(QChar& Key) {
    host_->KeyPress(Key);
    switch (Key.unicode()) {
    case '\t':
    case 0x1B:
        Key = QChar();
        break;
    case '\r':
        if (SelStart() == 0 && SelLength() == document()->characterCount() - 1) {
            Deselect();
        } else {
            SelectAll();
        }
        Key = QChar();
        break;
    default:
        break;
    }
}

bool TInplaceEdit::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Shortcuts of menus come before the editor's own keys, as the framework has it.
        event->ignore();
        return false;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            // Without goTabs Tab leaves the grid as it does from any other control.
            setTabChangesFocus(!host_->takesTabs());
        }
        break;
    }
    default:
        break;
    }
    return QPlainTextEdit::event(event);
}

void TInplaceEdit::keyPressEvent(QKeyEvent* event) {
    const KeyInput input = keyInput(*event);
    int key = input.key;
    KeyDown(key, input.shift);
    if (input.characters.isEmpty()) {
        if (key != 0) {
            QPlainTextEdit::keyPressEvent(event);
        }
        event->accept();
        return;
    }
    // As with the platform's character messages, the characters follow even when KeyDown
    // consumed the key.
    const bool plainKey = key != 0 && input.characters.size() == 1;
    for (const QChar typed : input.characters) {
        QChar character = typed;
        KeyPress(character);
        if (character.isNull()) {
            continue;
        }
        if (plainKey && character == typed && typed != QChar::LineFeed) {
            QPlainTextEdit::keyPressEvent(event);
        } else {
            typeCharacter(character);
        }
    }
    event->accept();
}

void TInplaceEdit::receiveCharacter(QChar character) {
    KeyPress(character);
    if (!character.isNull()) {
        typeCharacter(character);
    }
}

bool TInplaceEdit::focusNextPrevChild(bool next) {
    if (!tabChangesFocus()) {
        return false;
    }
    return host_->focusNextControl(!next);
}

void TInplaceEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseDoubleClickEvent(event);
    host_->DblClick();
}

void TInplaceEdit::typeCharacter(QChar character) {
    QTextCursor cursor = textCursor();
    if (character == QChar::LineFeed || character == QChar::CarriageReturn) {
        cursor.insertText(QStringLiteral("\n"));
    } else if (character == QChar(8)) {
        cursor.deletePreviousChar();
    } else if (character.unicode() >= 0x20) {
        cursor.insertText(QString(character));
    }
    setTextCursor(cursor);
}
