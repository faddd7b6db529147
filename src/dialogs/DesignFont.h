#pragma once

#include <QFont>

// The typefaces the windows were laid out with. They are Windows fonts: where one is not
// installed the font falls back to Liberation Sans or Arial, sans-serif faces of about the
// same width, so that the texts still fit their fixed boxes.
enum class DesignTypeface { Tahoma, MsSansSerif };

// The typeface with a character height of 12 pixels.
QFont designFont(DesignTypeface typeface);
