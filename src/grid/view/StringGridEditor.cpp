// The base grid's one in-place editor: created on first use, shown over the current cell
// while the editor mode is on and CanEditShow() agrees, kept over its cell while the grid
// scrolls or resizes, and writing its text into its cell when it hides (EditorHosting holds
// its state). Also the focus entering and leaving the grid-or-editor, and the tooltip.
#include "grid/view/StringGrid.h"

#include "grid/editing/InplaceEdit.h"
#include "grid/mapping/ColorMapping.h"
#include "grid/mapping/FontMapping.h"

#include <QApplication>
#include <QHelpEvent>
#include <QScreen>
#include <QToolTip>

#include <optional>

void TStringGrid::ShowEditor() {
    hosting_.setMode(true);
    updateEditor();
}

void TStringGrid::HideEditor() {
    hosting_.setMode(false);
    closeEditor();
}

bool TStringGrid::CanEditShow() {
    return options_.testFlag(goEditing) && !options_.testFlag(goRowSelect) && EditorMode() &&
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

InplaceEditorSetup TStringGrid::editorSetup(GridCell /*cell*/) {
    const QPalette& colors = palette();
    const QColor background = toQColor(model_->Color(), colors);
    const QColor text = toQColor(model_->Font().Color(), colors);
    return {TMyAlign::alLeft, toQFont(model_->Font()),
            background.isValid() ? background : colors.color(QPalette::Base),
            text.isValid() ? text : colors.color(QPalette::Text), false};
}

void TStringGrid::editorKeyDown(int& Key, TShiftState Shift) {
    if (OnKeyDown) {
        OnKeyDown(this, Key, Shift);
    }
}

void TStringGrid::updateEditor() {
    if (!CanEditShow()) {
        return;
    }
    if (!InplaceEditor()) {
        hosting_.adopt(CreateEditor(), [this] { EditorTextChanged(); });
    }
    if (!editorVisible() || editorCell() != model_->current()) {
        closeEditor();
        hosting_.load();
    }
    if (!CanEditShow()) {
        closeEditor();
        return;
    }
    placeEditor();
    if (isActiveControl() && hosting_.covers()) {
        InplaceEditor()->setFocus(Qt::OtherFocusReason);
    }
}

void TStringGrid::closeEditor() {
    const GridCell cell = editorCell();
    if (!hosting_.close()) {
        return;
    }
    viewport()->update();
    const std::optional<QByteArray> text = hosting_.changedText();
    if (text && cell.col >= 0 && cell.row >= 0) {
        SetEditText(cell.col, cell.row, *text);
    }
}

GridCell TStringGrid::editorCell() const {
    const TInplaceEdit* editor = InplaceEditor();
    return editor ? editor->BoundCell() : GridCell{};
}

void TStringGrid::setEditorCell(GridCell cell) {
    if (TInplaceEdit* editor = InplaceEditor()) {
        editor->setBoundCell(cell);
        placeEditor();
    }
}

void TStringGrid::placeEditor() {
    const QRect rect = editorVisible() ? CellRect(editorCell().col, editorCell().row) : QRect();
    // Scrolled out of view (or closed), it hides; the editor mode and its cell stay.
    if (hosting_.place(rect)) {
        viewport()->update();
    }
}

void TStringGrid::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
    if (!hosting_.keepingFocus() && editorVisible() && hosting_.covers()) {
        InplaceEditor()->setFocus(event->reason());
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
    updateEditor();
}

void TStringGrid::DoExit() {
    clickEdit_.disarm();
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
