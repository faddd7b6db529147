// The main menu, the grids' popup menu, and the two shortcuts that act wherever the focus is
// in the window.
#include "app/TfMain.h"

#include "runtime/GuardedHandler.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

namespace {

// A menu item whose shortcut shows with the German key names.
QAction* addShortcutItem(QMenu* menu, const QString& caption, const QString& keyNames,
                         QKeySequence shortcut) {
    QAction* item = menu->addAction(caption + QLatin1Char('\t') + keyNames);
    item->setShortcut(shortcut);
    item->setShortcutContext(Qt::WindowShortcut);
    return item;
}

bool isRowShortcut(const QKeyEvent& key) {
    return (key.key() == Qt::Key_Delete || key.key() == Qt::Key_Insert) &&
           (key.modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier;
}

} // namespace

void TfMain::createMenus() {
    QMenuBar* MainMenu1 = menuBar();
    // Menus keep the desktop's font; the window's font is for its pages and buttons.
    MainMenu1->setFont(QApplication::font());

    QMenu* datei = MainMenu1->addMenu(QStringLiteral("&Datei"));
    Speichern1 = datei->addAction(QStringLiteral("S&peichern"));
    Laden1 = datei->addAction(QStringLiteral("L&aden"));

    QMenu* bearbeiten = MainMenu1->addMenu(QStringLiteral("Bearbeiten"));
    aktuelleZeilelschen1 =
        addShortcutItem(bearbeiten, QStringLiteral("aktuelle Zeile löschen"),
                        QStringLiteral("Umsch+Entf"), QKeySequence(Qt::SHIFT | Qt::Key_Delete));
    Zeileeinfgen2 =
        addShortcutItem(bearbeiten, QStringLiteral("Zeile einfügen"), QStringLiteral("Umsch+Einfg"),
                        QKeySequence(Qt::SHIFT | Qt::Key_Insert));

    QMenu* extras = MainMenu1->addMenu(QStringLiteral("&Extras"));
    Einstellungen1 = extras->addAction(QStringLiteral("&Einstellungen"));
    Stayontop1 = extras->addAction(QStringLiteral("&immer im Vordergrund"));
    Stayontop1->setCheckable(true);
    Umbenennen1 = extras->addAction(QStringLiteral("&Umbenennen"));
    Zeilenhhe1 = extras->addAction(QStringLiteral("&Zeilenhöhe"));

    QMenu* hilfe = MainMenu1->addMenu(QStringLiteral("Hilfe"));
    Hilfe2 = hilfe->addAction(QStringLiteral("Hilfe"));
    hilfe->addSeparator();
    About1 = hilfe->addAction(QStringLiteral("About"));

    PopupMenu1 = new QMenu(this);
    ak1 = PopupMenu1->addAction(QStringLiteral("aktuelle Zeile &löschen"));
    Zeileeinfgen1 = PopupMenu1->addAction(QStringLiteral("Zeile einfügen"));
    PopupMenu1->addSeparator();
    Zeilenhhe2 = PopupMenu1->addAction(QStringLiteral("Zeilenhöhe"));
    Umbenennen2 = PopupMenu1->addAction(QStringLiteral("Umbenennen"));

    // Each popup item runs the handler of its main-menu twin.
    const auto wire = [this](QAction* item, void (TfMain::*handler)()) {
        connect(item, &QAction::triggered, this, guarded(this, handler));
    };
    wire(Speichern1, &TfMain::Speichern1Click);
    wire(Laden1, &TfMain::Laden1Click);
    wire(aktuelleZeilelschen1, &TfMain::ak1Click);
    wire(ak1, &TfMain::ak1Click);
    wire(Zeileeinfgen2, &TfMain::Zeileeinfgen1Click);
    wire(Zeileeinfgen1, &TfMain::Zeileeinfgen1Click);
    wire(Einstellungen1, &TfMain::Einstellungen1Click);
    wire(Stayontop1, &TfMain::Stayontop1Click);
    wire(Umbenennen1, &TfMain::Umbenennen1Click);
    wire(Umbenennen2, &TfMain::Umbenennen1Click);
    wire(Zeilenhhe1, &TfMain::Zeilenhhe1Click);
    wire(Zeilenhhe2, &TfMain::Zeilenhhe1Click);
    wire(Hilfe2, &TfMain::Hilfe2Click);
    wire(About1, &TfMain::About1Click);

    // The menu looks its shortcuts up before the focused control sees the key. Qt asks the
    // focused control first instead, and text boxes (the preview box, the grid's editor)
    // claim Shift+Del and Shift+Ins for cut and paste: an application-wide filter denies
    // them those two keys inside this window, so the menu's shortcuts get them. The same
    // filter sees the page control's resizing.
    qApp->installEventFilter(this);
}

bool TfMain::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget->window() == this &&
            isRowShortcut(static_cast<const QKeyEvent&>(*event))) {
            event->ignore();
            return true;
        }
        break;
    }
    case QEvent::KeyPress: {
        // Tab moves the focus out of the preview box; Ctrl+Tab is the way to type a TAB.
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (watched == Memo1 && key.key() == Qt::Key_Tab &&
            key.modifiers() == Qt::ControlModifier) {
            Memo1->insertPlainText(QStringLiteral("\t"));
            return true;
        }
        break;
    }
    case QEvent::Resize:
        if (watched == PageControl1) {
            guarded(this, &TfMain::PageControl1Resize)();
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}
