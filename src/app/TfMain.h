#pragma once

#include "app/PhraseFiles.h"
#include "grid/text/GridTextFile.h"
#include "widgets/ControlEvents.h"

#include <QByteArray>
#include <QMainWindow>
#include <QString>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QDialog;
class QFrame;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class SendingPlatform;
enum class SendResult;
class TPhraseGrid;
class TfAbout;
class TfHelp;
class TfOptionen;
class TfRename;
class TfZeilenHoehe;

// The main window: seven phrase pages with one phrase grid each, the preview box and the
// three send buttons, the main and popup menus. It reads the settings and phrase files
// while it is made (FormCreate), may ask the first-run question when first shown
// (FormShow) and writes them back when closed (FormClose); the program ends after that.
//
// The handlers are split by job: TfMainLayout.cpp (controls), TfMainMenus.cpp (menus and
// their two shortcuts), TfMainStartup.cpp, TfMainShutdown.cpp, TfMainHandlers.cpp,
// TfMainSend.cpp.
class TfMain : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kPageCount = kPhrasePageCount;
    // The "Smileys" page, whose grid has two columns and a header row.
    static constexpr int kSmileysPage = 3;

    // Shows a dialog modally and returns when it is hidden again; tests answer it instead.
    using ModalRunner = std::function<void(QDialog&)>;

    // Makes the window and runs FormCreate; an error there is reported, the window exists.
    explicit TfMain(QWidget* parent = nullptr);
    ~TfMain() override;

    // The windows made after this one, which it opens. Any may be missing.
    struct Dialogs {
        TfOptionen* options = nullptr;
        TfRename* rename = nullptr;
        TfZeilenHoehe* rowHeight = nullptr;
        TfHelp* help = nullptr;
        TfAbout* about = nullptr;
    };
    void setDialogs(const Dialogs& dialogs) { dialogs_ = dialogs; }
    const Dialogs& dialogs() const { return dialogs_; }

    void setModalRunner(ModalRunner runner);
    // The keyboard and window services of Send; made on first use when none was given.
    void setSendingPlatform(std::unique_ptr<SendingPlatform> platform);

    // Program-wide values.
    const QString& settingsPath() const { return settingsPath_; }
    const QByteArray& targetTitle() const { return targetTitle_; }
    void setTargetTitle(const QByteArray& title) { targetTitle_ = title; }
    bool FirstExecution() const { return firstExecution_; }
    // The row under the pointer at the latest mouse press on any grid: -1 off the cells,
    // 0 before any press.
    int pressedRow() const { return pressedRow_; }

    // The grid of the active page, or nullptr when no page is active.
    TPhraseGrid* ActiveGrid() const;

    // Handlers.
    void FormCreate();
    void FormShow();
    // Shutdown writing; whether the program ends.
    bool FormClose();
    void grd_1DblClick(QObject* Sender);
    void grd_4MouseDown(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void btn_SendClick();
    void btn_SendAndClearClick();
    void btn_ClearClick();
    void Speichern1Click();
    void Laden1Click();
    void ak1Click();
    void Zeileeinfgen1Click();
    void Einstellungen1Click();
    void Stayontop1Click();
    void Umbenennen1Click();
    void Zeilenhhe1Click();
    void Hilfe2Click();
    void About1Click();
    void PageControl1Resize();

    // The send action: finds the target window and types the preview text into it; tells
    // the user when the window is missing or lost the focus half-way.
    SendResult SendPreviewText();

    // Controls, top to bottom. grd[0] is grd_1 on TabSheet[0] (TabSheet1), and so on.
    QFrame* const Panel1;
    QWidget* const Panel2;
    QTabWidget* const PageControl1;
    const std::array<QWidget*, kPageCount> TabSheet;
    const std::array<TPhraseGrid*, kPageCount> grd;
    QFrame* const Panel3;
    QWidget* const Panel5;
    QPlainTextEdit* const Memo1;
    QWidget* const Panel4;
    QPushButton* const btn_Clear;
    QPushButton* const btn_Send;
    QPushButton* const btn_SendAndClear;

    // Main menu items.
    QAction* Speichern1 = nullptr;
    QAction* Laden1 = nullptr;
    QAction* aktuelleZeilelschen1 = nullptr;
    QAction* Zeileeinfgen2 = nullptr;
    QAction* Einstellungen1 = nullptr;
    QAction* Stayontop1 = nullptr;
    QAction* Umbenennen1 = nullptr;
    QAction* Zeilenhhe1 = nullptr;
    QAction* Hilfe2 = nullptr;
    QAction* About1 = nullptr;
    // The popup menu of the grids and its items.
    QMenu* PopupMenu1 = nullptr;
    QAction* ak1 = nullptr;
    QAction* Zeileeinfgen1 = nullptr;
    QAction* Zeilenhhe2 = nullptr;
    QAction* Umbenennen2 = nullptr;

signals:
    // Shutdown writing succeeded: the program ends now.
    void shutdownComplete();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createMenus();
    void connectGrids();
    void applyColumnWidthRule();
    void runModal(QDialog& dialog);
    SendingPlatform* sendingPlatform();
    // Page names and geometry and row heights: the settings of shutdown writing. A settings
    // file that could not be read is left as it is.
    void writeSettings() const;
    void closeEditors();
    // Reads the page's phrase file; an error leaves the page as it was.
    FileLoad loadPhraseFile(int page);
    // Writes the page's phrase file, after keeping the old one as NAME.bak if it was not
    // read whole.
    void savePhraseFile(int page);
    // Whether the page's phrase file is there but was not read whole, and the page still
    // holds what it held then: close leaves such a file alone.
    bool keepsIncompleteFile(int page) const;

    Dialogs dialogs_;
    ModalRunner modalRunner_;
    std::unique_ptr<SendingPlatform> platform_;
    // Told once, the first time a send finds no window: what the desktop keeps from us.
    QString sendingNotice_;
    QString settingsPath_;
    QByteArray targetTitle_;
    bool firstExecution_ = false;
    int pressedRow_ = 0;
    bool shown_ = false;
    // What each page's phrase file holds compared with the page.
    struct PhraseFile {
        // The file is there but was not read, or only up to a NUL byte: it holds more
        // than the page.
        bool incomplete = false;
        // The page's text revision when it last matched the file (or, unread, the start).
        quint64 revision = 0;
    };
    std::array<PhraseFile, kPageCount> phraseFiles_;
};
