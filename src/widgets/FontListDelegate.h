#pragma once

#include <QPixmap>
#include <QStyledItemDelegate>

// Draws the entries of the font list: a small picture telling outline fonts from bitmap fonts
// in front of each family name, the names all in the list's own font.
class FontListDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    enum class FontKind { Outline, Bitmap };

    explicit FontListDelegate(QObject* parent = nullptr);

    static FontKind kindOf(const QString& family);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Where the parts of an entry lie, from its left edge.
    static constexpr int kPictureLeft = 2;
    static constexpr int kPictureSpace = 20;
    static constexpr int kTextGap = 6;
    static constexpr int kPictureSize = 16;

private:
    QPixmap outlinePicture_;
    QPixmap bitmapPicture_;
};
