#pragma once

#include "grid/model/ChangeNotifier.h"
#include "grid/model/Colors.h"
#include "grid/model/GridTypes.h"

// A background brush as the grid stores it: colour and style. Every change of an attribute
// is reported to the listener (the owner grid, which repaints).
class TMyBrush : public ChangeNotifier {
public:
    TMyBrush() = default;

    TColor Color() const { return color_; }
    void setColor(TColor color) { update(color_, color); }
    TBrushStyle Style() const { return style_; }
    void setStyle(TBrushStyle style) { update(style_, style); }

    // Takes the attributes of source; reports one change if any differed.
    void Assign(const TMyBrush& source);

    bool sameAttributes(const TMyBrush& other) const {
        return color_ == other.color_ && style_ == other.style_;
    }

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = TBrushStyle::bsSolid;
};
