// Shutdown writing: the settings, then the phrase files. A failure is reported and the
// window stays open; files written before it stay written, the others keep their contents.
#include "app/TfMain.h"

#include "app/PhraseFiles.h"
#include "app/WindowGeometry.h"
#include "grid/text/GridTextFile.h"
#include "grid/view/PhraseGrid.h"
#include "runtime/Cp1252.h"
#include "runtime/ErrorReport.h"
#include "runtime/ProfileFile.h"
#include "runtime/SettingsKeys.h"

#include <QCloseEvent>
#include <QTabWidget>

void TfMain::FormClose() {
    writeSettings();
    savePhraseFiles(true);
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

void TfMain::savePhraseFiles(bool keepUnloaded) {
    closeEditors();
    for (int page = 0; page < kPageCount; ++page) {
        if (keepUnloaded && keepsUnloadedFile(page)) {
            continue;
        }
        SaveToFile(grd[page]->model(), phraseFileName(page));
        // Written on purpose: the file now holds the page.
        unloaded_[page].reset();
    }
}

void TfMain::closeEvent(QCloseEvent* event) {
    if (runGuarded([this] { FormClose(); })) {
        event->accept();
        emit shutdownComplete();
    } else {
        event->ignore();
    }
}
