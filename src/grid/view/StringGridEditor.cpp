// The base grid's one in-place editor: created on first use, shown over the current cell
// while the editor mode is on and CanEditShow() agrees, kept over its cell while the grid
// scrolls or resizes, and writing its text into its cell when it hides. Also the focus
// entering and leaving the grid-or-editor, and the tooltip.
#include "grid/view/StringGrid.h"

#include "grid/editing/InplaceEdit.h"

#include <QApplication>
#include <QHelpEvent>
#include <QScopedValueRollback>
#include <QScreen>
#include <QToolTip>

void TStringGrid::setEditorMode(bool on) {
    if (on) {
        ShowEditor();
    } else {
        HideEditor();
    }
}

void TStringGrid::ShowEditor() {
    editorMode_ = true;
    UpdateEdit();
}

void TStringGrid::HideEditor() {
    editorMode_ = false;
    HideEdit();
}

bool TStringGrid::CanEditShow() {
    return options_.testFlag(goEditing) && !options_.testFlag(goRowSelect) && editorMode_ &&
           (isActiveControl() || options_.testFlag(goAlwaysShowEditor));
}

TInplaceEdit* TStringGrid::CreateEditor() {
    return new TInplaceEdit(this);
}

QByteArray TStringGrid::GetEditText(int ACol, int ARow) {
    return model_->Cells(ACol, ARow);
}

void TStringGrid::SetEditText(int ACol, int ARow, const QByteArray& Value) {
    model_->setCells(ACol, ARow, Value);
}

void TStringGrid::UpdateEdit() {
    if (!CanEditShow()) {
        return;
    }
    if (!editor_) {
        editor_ = CreateEditor();
        editor_->hide();
        connect(editor_, &QPlainTextEdit::textChanged, this, [this] {
            if (!loadingEditor_) {
                EditorTextChanged();
            }
        });
    }
    if (!editorShown_ || inplaceCell_ != model_->current()) {
        HideEdit();
        loadEditor();
    }
    if (!CanEditShow()) {
        HideEdit();
        return;
    }
    placeEditor();
    if (isActiveControl() && !editor_->isHidden()) {
        editor_->setFocus(Qt::OtherFocusReason);
    }
}

void TStringGrid::loadEditor() {
    {
        const QScopedValueRollback loading(loadingEditor_, true);
        inplaceCell_ = model_->current();
        editor_->UpdateContents();
    }
    loadedText_ = editor_->Text();
    editor_->SelectAll();
    editorShown_ = true;
}

void TStringGrid::HideEdit() {
    if (!editor_ || !editorShown_) {
        return;
    }
    const GridCell cell = inplaceCell_;
    editorShown_ = false;
    inplaceCell_ = GridCell{};
    keepFocusFromEditor();
    editor_->hide();
    viewport()->update();
    // An unchanged text is not written back, so the cell keeps its exact bytes (line ends
    // the box cannot hold, for one).
    const QByteArray text = editor_->Text();
    if (cell.col >= 0 && cell.row >= 0 && text != loadedText_) {
        SetEditText(cell.col, cell.row, text);
    }
}

void TStringGrid::keepFocusFromEditor() {
    // Qt would hand the focus of a hidden widget to the next control: the grid keeps it.
    if (editor_ && editor_->hasFocus()) {
        const QScopedValueRollback guard(keepingFocus_, true);
        setFocus(Qt::OtherFocusReason);
    }
}

void TStringGrid::setEditorCell(GridCell cell) {
    inplaceCell_ = cell;
    placeEditor();
}

void TStringGrid::placeEditor() {
    if (!editor_) {
        return;
    }
    const QRect rect = editorShown_ ? CellRect(inplaceCell_.col, inplaceCell_.row) : QRect();
    if (rect.isEmpty()) {
        // Scrolled out of view (or closed): the editor mode and its cell stay.
        if (!editor_->isHidden()) {
            keepFocusFromEditor();
            editor_->hide();
            viewport()->update();
        }
        return;
    }
    editor_->setGeometry(rect);
    if (editor_->isHidden()) {
        editor_->show();
        viewport()->update();
    }
}

void TStringGrid::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
    if (!keepingFocus_ && editorShown_ && editor_ && !editor_->isHidden()) {
        editor_->setFocus(event->reason());
    }
}

void TStringGrid::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void TStringGrid::focusChanged(QWidget* /*old*/, QWidget* now) {
    if (!now) {
        // The window lost activation; its focus stays where it was.
        return;
    }
    const bool inside = isInside(now);
    if (inside && !entered_) {
        entered_ = true;
        DoEnter();
    } else if (!inside && entered_) {
        entered_ = false;
        DoExit();
    }
}

void TStringGrid::DoEnter() {
    viewport()->update();
    if (OnEnter) {
        OnEnter(this);
    }
    // An editor that always shows comes back with the focus.
    UpdateEdit();
}

void TStringGrid::DoExit() {
    disarmClickEdit();
    if (OnExit) {
        OnExit(this);
    }
    if (!options_.testFlag(goAlwaysShowEditor)) {
        HideEditor();
    }
    viewport()->update();
}

bool TStringGrid::focusNextControl(bool backwards) {
    // The window's focus chain, where the editor may come anywhere (it is made later than
    // the controls round the grid).
    QWidget* candidate = this;
    for (;;) {
        candidate = backwards ? candidate->previousInFocusChain() : candidate->nextInFocusChain();
        if (!candidate || candidate == this) {
            return false;
        }
        if (!isAncestorOf(candidate) && candidate->window() == window() && candidate->isEnabled() &&
            candidate->isVisibleTo(window()) && (candidate->focusPolicy() & Qt::TabFocus) != 0) {
            candidate->setFocus(backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason);
            return true;
        }
    }
}

bool TStringGrid::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        THintInfo info{this, help->globalPos(), help->pos(), toolTip()};
        if (HintShow(info) && !info.HintStr.isEmpty()) {
            showHint(info, help->globalPos());
        } else {
            // Taken: left to its parents the event would show the grid's own tooltip.
            QToolTip::hideText();
        }
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void TStringGrid::showHint(const THintInfo& info, QPoint defaultPos) {
    // Background and text of the hint from one palette, the grid's, so that a desktop scheme
    // never pairs the text colour of one with the background of another.
    QPalette tip = QToolTip::palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const auto role : {QPalette::ToolTipBase, QPalette::ToolTipText}) {
            tip.setColor(group, role, palette().color(group, role));
        }
    }
    if (tip != QToolTip::palette()) {
        QToolTip::setPalette(tip);
    }
    QToolTip::showText(info.HintPos, info.HintStr, viewport());
    if (info.HintPos == defaultPos) {
        return;
    }
    // Qt places a tooltip below and right of the point it is given, room for the mouse
    // pointer; a position the grid chose is meant for the hint's corner itself.
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() != QLatin1String("qtooltip_label") || widget->isHidden()) {
            continue;
        }
        const QScreen* screen = QGuiApplication::screenAt(info.HintPos);
        if (!screen || screen->geometry().contains(QRect(info.HintPos, widget->size()))) {
            widget->move(info.HintPos);
        }
    }
}
