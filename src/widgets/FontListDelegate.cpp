#include "widgets/FontListDelegate.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <array>

namespace {

// Two overlapping capital Ts, the usual mark of an outline font.
QPixmap drawOutlinePicture() {
    QPixmap picture(FontListDelegate::kPictureSize, FontListDelegate::kPictureSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    const auto drawT = [&](int x, int y, const QColor& colour) {
        painter.fillRect(x, y, 9, 2, colour);
        painter.fillRect(x + 3, y, 3, 10, colour);
    };
    drawT(1, 2, QColor(0x80, 0x80, 0x80));
    drawT(6, 5, QColor(0x00, 0x40, 0xC0));
    return picture;
}

// A blocky capital A, pixels made visible, for fonts drawn from fixed bitmaps.
QPixmap drawBitmapPicture() {
    static constexpr std::array<const char*, 7> rows = {"..#..", ".#.#.", "#...#", "#...#",
                                                        "#####", "#...#", "#...#"};
    QPixmap picture(FontListDelegate::kPictureSize, FontListDelegate::kPictureSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        for (int col = 0; col < 5; ++col) {
            if (rows[row][col] == '#') {
                painter.fillRect(3 + col * 2, 1 + row * 2, 2, 2, QColor(0x80, 0x00, 0x00));
            }
        }
    }
    return picture;
}

} // namespace

FontListDelegate::FontListDelegate(QObject* parent)
    : QStyledItemDelegate(parent), outlinePicture_(drawOutlinePicture()),
      bitmapPicture_(drawBitmapPicture()) {}

FontListDelegate::FontKind FontListDelegate::kindOf(const QString& family) {
    return QFontDatabase::isSmoothlyScalable(family) ? FontKind::Outline : FontKind::Bitmap;
}

void FontListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString family = item.text;
    item.text.clear();
    item.icon = QIcon();
    const QStyle* style = item.widget != nullptr ? item.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

    const QRect box = option.rect;
    const QPixmap& picture = kindOf(family) == FontKind::Outline ? outlinePicture_ : bitmapPicture_;
    painter->drawPixmap(box.left() + kPictureLeft, box.top() + (box.height() - kPictureSize) / 2,
                        picture);

    const bool selected = (option.state & QStyle::State_Selected) != 0;
    painter->save();
    painter->setFont(option.font);
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const QRect textBox = box.adjusted(kPictureLeft + kPictureSpace + kTextGap, 0, 0, 0);
    painter->drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, family);
    painter->restore();
}

QSize FontListDelegate::sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    const QString family = index.data(Qt::DisplayRole).toString();
    const int textWidth = option.fontMetrics.horizontalAdvance(family);
    return {kPictureLeft + kPictureSpace + kTextGap + textWidth + 4,
            std::max(kPictureSize + 2, option.fontMetrics.height() + 2)};
}
