#include "grid/model/MyBrush.h"

void TMyBrush::Assign(const TMyBrush& source) {
    if (sameAttributes(source)) {
        return;
    }
    color_ = source.color_;
    style_ = source.style_;
    changed();
}
