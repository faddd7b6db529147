#pragma once

class QColor;
class QWidget;

// The platform's tooltip background, the colour of the help text and the about window.
QColor infoBackground();

// Fills the widget's background (and, for a text view, its text area) with it.
void fillWithInfoBackground(QWidget& widget);
