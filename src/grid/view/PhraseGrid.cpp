// Construction, properties, the clipboard and the editor's place in the model of the phrase
// grid.
#include "grid/view/PhraseGrid.h"

#include "grid/editing/NewInplaceEdit.h"
#include "grid/text/GridClipboardExchange.h"
#include "grid/view/SystemClipboard.h"

TPhraseGrid::TPhraseGrid(QWidget* parent) : TPhraseGrid(PhraseGridModel::create(), parent) {}

TPhraseGrid::TPhraseGrid(std::unique_ptr<PhraseGridModel> model, QWidget* parent)
    : TStringGrid(std::move(model), parent),
      phraseModel_(static_cast<PhraseGridModel*>(&TStringGrid::model())) {}

TPhraseGrid::~TPhraseGrid() = default;

TNewInplaceEdit* TPhraseGrid::newEditor() const {
    return qobject_cast<TNewInplaceEdit*>(InplaceEditor());
}

void TPhraseGrid::setDrawSelection(bool on) {
    drawSelection_ = on;
    phraseModel_->Repaint();
}

void TPhraseGrid::CopyToClipboard() {
    SystemClipboard clipboard;
    ::CopyToClipboard(*phraseModel_, clipboard);
}

void TPhraseGrid::CutToClipboard() {
    SystemClipboard clipboard;
    ::CutToClipboard(*phraseModel_, clipboard);
}

void TPhraseGrid::PasteFromClipboard() {
    const SystemClipboard clipboard;
    ::PasteFromClipboard(*phraseModel_, clipboard);
}

GridCell TPhraseGrid::editorCell() const {
    const TNewInplaceEdit* editor = newEditor();
    return editor ? editor->BoundCell() : TStringGrid::editorCell();
}

void TPhraseGrid::setEditorCell(GridCell cell) {
    if (TNewInplaceEdit* editor = newEditor()) {
        editor->setBoundCell(cell);
    }
    if (editorVisible()) {
        TStringGrid::setEditorCell(cell);
    }
}
