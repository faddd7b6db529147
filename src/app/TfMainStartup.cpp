// Start-up reading: the phrase files, then the settings file. Every file and key that can
// be read is read; what fails keeps its current value and is reported together at the end.
#include "app/TfMain.h"

#include "Version.h"
#include "app/PhraseFiles.h"
#include "app/WindowGeometry.h"
#include "dialogs/TfOptionen.h"
#include "grid/text/GridTextFile.h"
#include "grid/view/PhraseGrid.h"
#include "runtime/Cp1252.h"
#include "runtime/ErrorReport.h"
#include "runtime/GuardedHandler.h"
#include "runtime/MessageBoxes.h"
#include "runtime/Messages.h"
#include "runtime/ProfileFile.h"
#include "runtime/QuipError.h"
#include "runtime/SaveLeftovers.h"
#include "runtime/SettingsKeys.h"
#include "runtime/SettingsPath.h"
#include "widgets/MainWindowFont.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QTabWidget>

#include <optional>

namespace {

// The messages of the steps that failed, each as the error report shows it.
class StartupErrors {
public:
    template <typename Step>
    bool attempt(Step step) {
        try {
            step();
            return true;
        } catch (const QuipError& error) {
            messages_ << error.message();
            return false;
        }
    }
    void add(const QString& message) { messages_ << message; }

    void report() const {
        if (!messages_.isEmpty()) {
            showErrorReport(messages_);
        }
    }

private:
    QStringList messages_;
};

} // namespace

void TfMain::FormCreate() {
    StartupErrors errors;
    setWindowTitle(QStringLiteral("Quipsender [ Version: " QUIP_VERSION_STRING " ]"));

    settingsPath_ = ::settingsPath();
    removeSaveLeftovers(QDir::currentPath(), ownFileNames(QFileInfo(settingsPath_).fileName()));
    for (int page = 0; page < kPageCount; ++page) {
        phraseFiles_[page].revision = grd[page]->model().textRevision();
        errors.attempt([&] {
            if (loadPhraseFile(page) == FileLoad::UpToNul) {
                errors.add(readUpToNulNotice(page));
            }
        });
    }
    applyColumnWidthRule();
    PageControl1->setCurrentIndex(0);

    if (!QFileInfo::exists(settingsPath_)) {
        // A first start: the design values stay, and the first-run question comes.
        firstExecution_ = SettingsKeys::kFirstExecutionDefault;
        errors.report();
        return;
    }
    const ProfileFile settings(settingsPath_);
    if (settings.unreadable()) {
        // Every key would fail alike: one message says why.
        errors.add(QuipError::format(Messages::kCannotOpenFile, settingsPath_).message());
        errors.report();
        return;
    }
    const QByteArrayView section = SettingsKeys::kSection;
    const auto readNumber = [&](QByteArrayView key) {
        std::optional<int> value;
        errors.attempt([&] { value = settings.readWholeNumber(section, key); });
        return value;
    };

    targetTitle_ = settings.readString(section, SettingsKeys::kZielFenster);
    std::array<QString, kPageCount> pageNames;
    for (int page = 0; page < kPageCount; ++page) {
        pageNames[page] =
            fromCp1252(settings.readString(section, SettingsKeys::tabSheetName(page)));
    }
    setWindowFontName(*this, fromCp1252(settings.readString(section, SettingsKeys::kFontname)));
    // Only the options dialog writes the size: until it has, the design size stands.
    if (settings.contains(section, SettingsKeys::kFontSize)) {
        if (const auto size = readNumber(SettingsKeys::kFontSize)) {
            setWindowFontSize(*this, *size);
        }
    }

    const QRect outer = outerGeometry(*this);
    const auto left = readNumber(SettingsKeys::kPosTop);
    const auto top = readNumber(SettingsKeys::kPosLeft);
    const auto width = readNumber(SettingsKeys::kWidth);
    const auto height = readNumber(SettingsKeys::kHeight);
    if (left || top || width || height) {
        // Values the user cannot undo (a caption bar off every screen, a window larger
        // than the screen) would come back at every start: they are kept reachable.
        setOuterGeometry(
            *this, placedOnScreens(left.value_or(outer.left()), top.value_or(outer.top()),
                                   width.value_or(outer.width()), height.value_or(outer.height())));
    }

    for (int page = 0; page < kPageCount; ++page) {
        const QByteArray key = SettingsKeys::gridHeight(page);
        const auto rowHeight = readNumber(key);
        if (!rowHeight) {
            continue;
        }
        // Rows without height could never be seen again, and close would store them so.
        if (*rowHeight < 1) {
            errors.add(QuipError::format(Messages::kInvalidValue,
                                         fromCp1252(settings.readString(section, key)),
                                         QString::fromLatin1(key))
                           .message());
            continue;
        }
        grd[page]->model().setDefaultRowHeight(*rowHeight);
    }
    firstExecution_ = settings.readBool(section, SettingsKeys::kFirstExecution,
                                        SettingsKeys::kFirstExecutionDefault);

    for (int page = 0; page < kPageCount; ++page) {
        PageControl1->setTabText(page, pageNames[page]);
    }
    errors.report();
}

FileLoad TfMain::loadPhraseFile(int page) {
    const QString name = phraseFileName(page);
    PhraseFile& file = phraseFiles_[page];
    PhraseGridModel& model = grd[page]->model();
    try {
        const FileLoad load = LoadFromFile(model, name);
        file = {load == FileLoad::UpToNul, model.textRevision()};
        return load;
    } catch (const QuipError&) {
        // A file that is there but unreadable must survive the next close; the page keeps
        // what it held, changed or not.
        if (QFileInfo::exists(name)) {
            file.incomplete = true;
        }
        throw;
    }
}

bool TfMain::keepsIncompleteFile(int page) const {
    return phraseFiles_[page].incomplete &&
           phraseFiles_[page].revision == grd[page]->model().textRevision();
}

void TfMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Once per run, when the window is first up: later showings (stay on top) ask nothing.
    if (!shown_) {
        shown_ = true;
        QMetaObject::invokeMethod(this, guarded(this, &TfMain::FormShow), Qt::QueuedConnection);
    }
}

void TfMain::FormShow() {
    PageControl1->setCurrentIndex(0);
    if (!firstExecution_) {
        return;
    }
    if (!askConfirmation(QStringLiteral("Dies scheint der erste Start des Programms zu sein,\n"
                                        "möchten Sie sofort den Namen des Zielfensters "
                                        "vergeben?\n(WICHTIG)"))) {
        return;
    }
    if (dialogs_.options != nullptr) {
        runModal(*dialogs_.options);
    }
    ProfileFile(settingsPath_)
        .writeBool(SettingsKeys::kSection, SettingsKeys::kFirstExecution, false);
    firstExecution_ = false;
}
