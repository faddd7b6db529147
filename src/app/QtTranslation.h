#pragma once

#include <QString>

class QCoreApplication;
class QTranslator;

// Qt's own German texts (the context menus of text boxes, the standard dialogs), so that
// every text the user sees is German: "qtbase_de.qm" from the folder, Qt's translations
// path in the program. Without it the program still runs, with Qt's English texts.
//
// The installed translator, owned by the application; nullptr when there is no catalogue.
QTranslator* installQtTranslation(QCoreApplication& app, const QString& folder);
