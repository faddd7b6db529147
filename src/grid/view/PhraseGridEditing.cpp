// The editing hooks of the phrase grid: each hands over to the edit life cycle, and the
// editor takes its cell's effective alignment, font and colours.
#include "grid/view/PhraseGrid.h"

#include "grid/editing/NewInplaceEdit.h"
#include "grid/mapping/ColorMapping.h"
#include "grid/mapping/FontMapping.h"

TInplaceEdit* TPhraseGrid::CreateEditor() {
    auto* editor = new TNewInplaceEdit(this);
    editor->setBoundCell(GridCell{});
    connect(editor, &TNewInplaceEdit::editEntered, this,
            [this](GridCell cell) { editCycle_.postEnterEdit(cell); });
    connect(editor, &TNewInplaceEdit::editCancelled, this,
            [this](GridCell cell) { editCycle_.postCancelEdit(cell); });
    return editor;
}

bool TPhraseGrid::CanEditShow() {
    if (alwaysShowsEditor() && !EditorMode()) {
        // Shows the editor, which asks this decision again with the mode on.
        ShowEditor();
    }
    return editCycle_.decideShow(TStringGrid::CanEditShow());
}

void TPhraseGrid::EditorTextChanged() {
    editCycle_.textChanged();
}

void TPhraseGrid::DoExit() {
    if (editCycle_.focusLeaving()) {
        return;
    }
    TStringGrid::DoExit();
}

void TPhraseGrid::DoEnter() {
    if (editCycle_.takingFocusBack()) {
        return;
    }
    TStringGrid::DoEnter();
    editCycle_.focusEntered();
}

void TPhraseGrid::setEditorCell(GridCell cell) {
    TStringGrid::setEditorCell(cell);
    if (cell == GridCell{}) {
        editCycle_.cellGone();
    }
}

void TPhraseGrid::gridLoaded() {
    editCycle_.loaded();
}

InplaceEditorSetup TPhraseGrid::editorSetup(GridCell cell) {
    const QPalette& colors = palette();
    const TMyFont& font = phraseModel_->effectiveFont(cell.col, cell.row);
    const QColor background = toQColor(phraseModel_->effectiveColor(cell.col, cell.row), colors);
    const QColor text = toQColor(font.Color(), colors);
    return {phraseModel_->effectiveAlignment(cell.col, cell.row), toQFont(font),
            background.isValid() ? background : colors.color(QPalette::Base),
            text.isValid() ? text : colors.color(QPalette::Text), editMultiline_};
}
