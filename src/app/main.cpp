#include "Version.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quipsender"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Quipsender [ Version: " QUIP_VERSION_STRING " ]"));
    window.resize(346, 500);
    window.show();
    return QApplication::exec();
}
