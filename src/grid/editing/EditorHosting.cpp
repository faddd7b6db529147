#include "grid/editing/EditorHosting.h"

#include "grid/editing/InplaceEdit.h"

#include <QScopedValueRollback>

EditorHosting::EditorHosting(QWidget& grid) : grid_(grid) {}

EditorHosting::~EditorHosting() {
    deleteEditor();
}

void EditorHosting::adopt(TInplaceEdit* editor, std::function<void()> userChanged) {
    editor_ = editor;
    editor_->hide();
    QObject::connect(editor_, &QPlainTextEdit::textChanged, editor_,
                     [this, changed = std::move(userChanged)] {
                         if (!loading_) {
                             changed();
                         }
                     });
}

void EditorHosting::deleteEditor() {
    delete editor_;
    editor_ = nullptr;
    shown_ = false;
}

bool EditorHosting::covers() const {
    return editor_ && !editor_->isHidden();
}

void EditorHosting::load() {
    {
        const QScopedValueRollback loading(loading_, true);
        editor_->UpdateContents();
    }
    loadedText_ = editor_->Text();
    editor_->SelectAll();
    shown_ = true;
}

bool EditorHosting::close() {
    if (!editor_ || !shown_) {
        return false;
    }
    shown_ = false;
    keepFocus();
    editor_->hide();
    return true;
}

std::optional<QByteArray> EditorHosting::changedText() const {
    if (!editor_) {
        return std::nullopt;
    }
    QByteArray text = editor_->Text();
    if (text == loadedText_) {
        return std::nullopt;
    }
    return text;
}

bool EditorHosting::place(const QRect& rect) {
    if (!editor_) {
        return false;
    }
    if (rect.isEmpty()) {
        if (editor_->isHidden()) {
            return false;
        }
        keepFocus();
        editor_->hide();
        return true;
    }
    editor_->setGeometry(rect);
    if (!editor_->isHidden()) {
        return false;
    }
    editor_->show();
    return true;
}

void EditorHosting::keepFocus() {
    // Qt would hand the focus of a hidden widget to the next control: the grid keeps it.
    if (editor_ && editor_->hasFocus()) {
        const QScopedValueRollback guard(keepingFocus_, true);
        grid_.setFocus(Qt::OtherFocusReason);
    }
}
