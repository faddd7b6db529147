#include "grid/mapping/AlignmentMapping.h"

Qt::Alignment horizontalAlignment(TMyAlign alignment) {
    switch (alignment) {
    case TMyAlign::alRight:
        return Qt::AlignRight;
    case TMyAlign::alCenter:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}
