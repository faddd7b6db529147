// Shutdown writing: the settings, then the phrase files. Every file is tried; failures are
// reported together, and the user decides whether to end all the same. Files written stay
// written, the others keep their contents.
#include "app/TfMain.h"

#include "app/PhraseFiles.h"
#include "app/WindowGeometry.h"
#include "grid/text/GridTextFile.h"
#include "grid/view/PhraseGrid.h"
#include "runtime/Cp1252.h"
#include "runtime/ErrorReport.h"
#include "runtime/FileBytes.h"
#include "runtime/MessageBoxes.h"
#include "runtime/Messages.h"
#include "runtime/ProfileFile.h"
#include "runtime/QuipError.h"
#include "runtime/SettingsKeys.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QStringList>
#include <QTabWidget>

bool TfMain::FormClose() {
    closeEditors();
    QStringList failures;
    const auto attempt = [&failures](auto step) {
        try {
            step();
        } catch (const QuipError& error) {
            failures << error.message();
        }
    };
    // One failing file must not keep the others from being saved.
    attempt([this] { writeSettings(); });
    for (int page = 0; page < kPageCount; ++page) {
        if (!keepsIncompleteFile(page)) {
            attempt([this, page] { savePhraseFile(page); });
        }
    }
    if (failures.isEmpty()) {
        return true;
    }
    showErrorReport(failures);
    // Enter keeps the program open: what could not be saved is lost when it ends.
    return askConfirmation(QStringLiteral("Trotzdem beenden?"), MessageBoxAnswer::No);
}

void TfMain::closeEditors() {
    // An editor writes its cell only when it closes: what is being typed is saved too. The
    // edit ends with it, so that the grid no longer holds on to the focus.
    for (TPhraseGrid* grid : grd) {
        grid->endEdit();
    }
}

void TfMain::writeSettings() const {
    ProfileFile settings(settingsPath_);
    if (settings.unreadable()) {
        // Whatever it holds is unknown: it is never replaced by the little we know.
        return;
    }
    const QByteArrayView section = SettingsKeys::kSection;
    for (int page = 0; page < kPageCount; ++page) {
        settings.writeString(section, SettingsKeys::tabSheetName(page),
                             toCp1252(PageControl1->tabText(page)));
    }
    const QRect outer = outerGeometry(*this);
    settings.writeWholeNumber(section, SettingsKeys::kPosTop, outer.left());
    settings.writeWholeNumber(section, SettingsKeys::kPosLeft, outer.top());
    settings.writeWholeNumber(section, SettingsKeys::kWidth, outer.width());
    settings.writeWholeNumber(section, SettingsKeys::kHeight, outer.height());
    for (int page = 0; page < kPageCount; ++page) {
        settings.writeWholeNumber(section, SettingsKeys::gridHeight(page),
                                  grd[page]->model().DefaultRowHeight());
    }
}

void TfMain::savePhraseFile(int page) {
    const QString name = phraseFileName(page);
    PhraseFile& file = phraseFiles_[page];
    // What the page never held must not be lost with the old file.
    if (file.incomplete && QFileInfo(name).isFile() && !copyFile(name, phraseBackupName(page))) {
        throw QuipError::format(Messages::kCannotCreateFile, phraseBackupName(page));
    }
    const PhraseGridModel& model = grd[page]->model();
    SaveToFile(model, name);
    file = {false, model.textRevision()};
}

void TfMain::closeEvent(QCloseEvent* event) {
    bool ends = false;
    runGuarded([this, &ends] { ends = FormClose(); });
    if (ends) {
        event->accept();
        emit shutdownComplete();
    } else {
        event->ignore();
    }
}
