#include "app/ProgramWindows.h"
#include "app/QtTranslation.h"

#include "QuipsenderIcon.h"
#include "runtime/MessageBoxes.h"

#include <QApplication>
#include <QLibraryInfo>

int main(int argc, char* argv[]) {
#if defined(Q_OS_LINUX)
    // Window placement, stay on top and typing into other windows need X11; a Wayland
    // session runs it through XWayland unless the user chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(kApplicationTitle);
    QApplication::setWindowIcon(quipsenderIcon());
    installQtTranslation(app, QLibraryInfo::path(QLibraryInfo::TranslationsPath));

    const std::unique_ptr<TfMain> fMain = createProgramWindows();
    // Left open, the help or about window must not keep the program running.
    QObject::connect(fMain.get(), &TfMain::shutdownComplete, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    fMain->show();
    return QApplication::exec();
}
