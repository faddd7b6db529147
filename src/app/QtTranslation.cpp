#include "app/QtTranslation.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

QTranslator* installQtTranslation(QCoreApplication& app, const QString& folder) {
    auto* translator = new QTranslator(&app);
    // German whatever the desktop's language: the program's own texts are German too.
    if (!translator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                          QStringLiteral("_"), folder) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}
