#pragma once

#include "grid/model/ChangeNotifier.h"
#include "grid/model/Colors.h"
#include "grid/model/GridTypes.h"

#include <QByteArray>

// A font as the grid stores it: Height (the framework's font height: negative for a
// character height in pixels, positive for a cell height), name (cp1252 bytes), pitch,
// colour and style bits. Every change of an attribute is reported to the listener (the owner
// grid, which repaints). A new font has the font framework's default attributes.
class TMyFont : public ChangeNotifier {
public:
    static constexpr int kDefaultHeight = -11;
    static constexpr const char* defaultName = "MS Sans Serif";

    TMyFont() = default;

    TColor Color() const { return color_; }
    void setColor(TColor color) { update(color_, color); }
    int Height() const { return height_; }
    void setHeight(int height) { update(height_, height); }
    const QByteArray& Name() const { return name_; }
    void setName(const QByteArray& name) { update(name_, name); }
    TFontPitch Pitch() const { return pitch_; }
    void setPitch(TFontPitch pitch) { update(pitch_, pitch); }
    TFontStyles Style() const { return style_; }
    void setStyle(TFontStyles style) { update(style_, style); }

    // Takes the attributes of source; reports one change if any differed.
    void Assign(const TMyFont& source);

    bool sameAttributes(const TMyFont& other) const;

private:
    TColor color_ = clWindowText;
    int height_ = kDefaultHeight;
    QByteArray name_ = defaultName;
    TFontPitch pitch_ = TFontPitch::fpDefault;
    TFontStyles style_ = 0;
};
