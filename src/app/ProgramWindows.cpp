#include "app/ProgramWindows.h"

#include "dialogs/TfAbout.h"
#include "dialogs/TfHelp.h"
#include "dialogs/TfOptionen.h"
#include "dialogs/TfRename.h"
#include "dialogs/TfZeilenHoehe.h"
#include "grid/view/PhraseGrid.h"

std::unique_ptr<TfMain> createProgramWindows() {
    auto fMain = std::make_unique<TfMain>();
    TfMain* main = fMain.get();
    TfMain::Dialogs dialogs;
    dialogs.options = new TfOptionen(
        main, [main](const QByteArray& title) { main->setTargetTitle(title); }, main);
    dialogs.rename = new TfRename(main, main->PageControl1, main);
    dialogs.rowHeight = new TfZeilenHoehe(
        main,
        [main]() -> PhraseGridModel* {
            TPhraseGrid* grid = main->ActiveGrid();
            return grid != nullptr ? &grid->model() : nullptr;
        },
        main);
    dialogs.help = new TfHelp(main);
    dialogs.about = new TfAbout(main);
    main->setDialogs(dialogs);
    return fMain;
}
