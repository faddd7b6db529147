// Construction, properties and the clipboard of the phrase grid.
#include "grid/view/PhraseGrid.h"

#include "grid/text/GridClipboardExchange.h"
#include "grid/view/SystemClipboard.h"

TPhraseGrid::TPhraseGrid(QWidget* parent) : TPhraseGrid(PhraseGridModel::create(), parent) {}

TPhraseGrid::TPhraseGrid(std::unique_ptr<PhraseGridModel> model, QWidget* parent)
    : TStringGrid(std::move(model), parent),
      phraseModel_(static_cast<PhraseGridModel*>(&TStringGrid::model())),
      editCycle_(*this, *phraseModel_, *this, *this) {}

TPhraseGrid::~TPhraseGrid() = default;

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
