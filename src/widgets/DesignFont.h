#pragma once

#include <QFont>

// The typefaces the windows were laid out with. They are Windows faces: where one is not
// installed, Liberation Sans or Arial stands in for it, faces of about the same width, so
// that texts still fit their fixed boxes. The stand-ins are registered for the whole
// program, so the faces are drawn alike wherever they are named: the settings file's font
// name, the help text's font table.
enum class DesignTypeface { Tahoma, MsSansSerif };

// Registers the stand-ins; designFont does it too.
void registerDesignFaceSubstitutes();

// The typeface with a character height of 12 pixels.
QFont designFont(DesignTypeface typeface);
