#include "grid/model/MyFont.h"

bool TMyFont::sameAttributes(const TMyFont& other) const {
    return color_ == other.color_ && height_ == other.height_ && name_ == other.name_ &&
           pitch_ == other.pitch_ && style_ == other.style_;
}

void TMyFont::Assign(const TMyFont& source) {
    if (sameAttributes(source)) {
        return;
    }
    color_ = source.color_;
    height_ = source.height_;
    name_ = source.name_;
    pitch_ = source.pitch_;
    style_ = source.style_;
    changed();
}
