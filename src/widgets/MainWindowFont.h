#pragma once

#include <QString>

class QWidget;

// The main window's font as the settings file and the options dialog see it: a family name
// and a size in points. Every control of the window without a font of its own follows it.

// The family the window asked for, which may not be installed (then another is drawn).
QString windowFontName(const QWidget& window);
// An empty name changes nothing.
void setWindowFontName(QWidget& window, const QString& name);

// The size in points, also when the font was given in pixels.
int windowFontSize(const QWidget& window);
// A size below 1 point means the platform's default size.
void setWindowFontSize(QWidget& window, int points);
