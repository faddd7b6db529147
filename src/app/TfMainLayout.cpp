// The main window's controls and their design values.
#include "app/TfMain.h"

#include "app/PhraseGridDesigns.h"
#include "grid/formdata/GridDesign.h"
#include "grid/view/PhraseGrid.h"
#include "runtime/GuardedHandler.h"
#include "sending/SendingPlatform.h"
#include "widgets/DesignFont.h"

#include <QDialog>
#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <utility>

namespace {

const std::array<QString, TfMain::kPageCount> kDesignCaptions = {
    QStringLiteral("Sprüche"), QStringLiteral("Schnaps-Ansagen"), QStringLiteral("Standardsätze"),
    QStringLiteral("Smileys"), QStringLiteral("USER1"),           QStringLiteral("USER2"),
    QStringLiteral("USER3")};

QVBoxLayout* fillingLayout(QWidget* owner) {
    auto* layout = new QVBoxLayout(owner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

std::array<QWidget*, TfMain::kPageCount> makePages() {
    std::array<QWidget*, TfMain::kPageCount> pages{};
    for (QWidget*& page : pages) {
        page = new QWidget;
    }
    return pages;
}

void setUpPhraseGrid(TPhraseGrid& grid, bool smileys) {
    PhraseGridModel& model = grid.model();
    applyGridDesign(model, smileys ? smileysGridDesign() : textPageGridDesign());
    // Defaults first: setting one drops the individual sizes.
    model.setDefaultRowHeight(50);
    if (smileys) {
        model.setDefaultColWidth(80);
        model.setColWidths(0, 65);
        model.setColWidths(1, 198);
        model.setRowHeights(0, 30);
    } else {
        model.setDefaultColWidth(250);
    }
    model.setWordwrap(T_Wordwrap::ww_wordwrap);
    // As a grid comes from its design: on its first non-fixed cell.
    model.setCurrentCell(model.FixedCols(), model.FixedRows());
    grid.setScrollBars(smileys ? TScrollStyle::ssBoth : TScrollStyle::ssVertical);
    grid.setOptions(kDefaultGridOptions | goColMoving | goEditing | goTabs);
    grid.setToolTip(QStringLiteral("Hier doppelklicken um den gewünschten \n"
                                   "Text in das Vorschaufenster zu kopieren!"));
    grid.setContextMenuPolicy(Qt::CustomContextMenu);
    grid.setEditMultiline(true);
    // The control's hint above, not the cells' own.
    grid.setShowCellHints(false);
}

std::array<TPhraseGrid*, TfMain::kPageCount>
makeGrids(const std::array<QWidget*, TfMain::kPageCount>& pages) {
    std::array<TPhraseGrid*, TfMain::kPageCount> grids{};
    for (int page = 0; page < TfMain::kPageCount; ++page) {
        grids[page] = new TPhraseGrid(pages[page]);
        fillingLayout(pages[page])->addWidget(grids[page]);
        setUpPhraseGrid(*grids[page], page == TfMain::kSmileysPage);
    }
    return grids;
}

QPushButton* makeButton(const QString& caption, const QRect& geometry, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

} // namespace

TfMain::TfMain(QWidget* parent)
    : QMainWindow(parent), Panel1(new QFrame), Panel2(new QWidget),
      PageControl1(new QTabWidget(Panel2)), TabSheet(makePages()), grd(makeGrids(TabSheet)),
      Panel3(new QFrame), Panel5(new QWidget(Panel3)), Memo1(new QPlainTextEdit(Panel5)),
      Panel4(new QWidget(Panel3)),
      btn_Clear(makeButton(QStringLiteral("&Löschen"), {16, 8, 75, 25}, Panel4)),
      btn_Send(makeButton(QStringLiteral("&Senden"), {104, 8, 75, 25}, Panel4)),
      btn_SendAndClear(makeButton(QStringLiteral("Sen&den u. Löschen"), {192, 8, 131, 25}, Panel4)),
      modalRunner_([](QDialog& dialog) { dialog.exec(); }) {
    setWindowTitle(QStringLiteral("Quipsender"));
    setFont(designFont(DesignTypeface::Tahoma));
    resize(346, 520);

    auto* client = new QWidget(this);
    setCentralWidget(client);
    QVBoxLayout* rows = fillingLayout(client);
    Panel1->setFixedHeight(10);
    rows->addWidget(Panel1);
    rows->addWidget(Panel2, 1);
    Panel3->setFixedHeight(100);
    rows->addWidget(Panel3);

    fillingLayout(Panel2)->addWidget(PageControl1);
    for (int page = 0; page < kPageCount; ++page) {
        PageControl1->addTab(TabSheet[page], kDesignCaptions[page]);
    }

    Panel3->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QVBoxLayout* bottom = fillingLayout(Panel3);
    bottom->addWidget(Panel5, 1);
    Panel4->setFixedHeight(41);
    bottom->addWidget(Panel4);
    fillingLayout(Panel5)->addWidget(Memo1);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A multi-line box of a dialog passes Tab on; a TAB typed here would reach the chat.
    Memo1->setTabChangesFocus(true);

    connect(btn_Clear, &QPushButton::clicked, this, guarded(this, &TfMain::btn_ClearClick));
    connect(btn_Send, &QPushButton::clicked, this, guarded(this, &TfMain::btn_SendClick));
    connect(btn_SendAndClear, &QPushButton::clicked, this,
            guarded(this, &TfMain::btn_SendAndClearClick));

    createMenus();
    connectGrids();
    guarded(this, &TfMain::FormCreate)();
}

TfMain::~TfMain() = default;

void TfMain::setModalRunner(ModalRunner runner) {
    modalRunner_ = std::move(runner);
}

void TfMain::runModal(QDialog& dialog) {
    modalRunner_(dialog);
}
