#include "QuipsenderIcon.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// Every picture drawn for the icon reaches the window icon, unchanged and in its own size.
TEST(AppIcon, CarriesEveryRenderedSize) {
    const QDir drawn(QStringLiteral(QUIP_ICON_DIR), QStringLiteral("quipsender-*.png"));
    const QStringList files = drawn.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    EXPECT_EQ(QDir(QStringLiteral(":/appicon")).entryList(), files) << "the resource's pictures";

    const QIcon icon = quipsenderIcon();
    EXPECT_EQ(icon.availableSizes().size(), files.size());
    for (const QString& name : files) {
        const QByteArray png = contents(drawn.filePath(name));
        EXPECT_EQ(contents(QStringLiteral(":/appicon/") + name), png) << name.toStdString();

        const QImage image = QImage::fromData(png);
        const QSize size = image.size();
        EXPECT_EQ(size.width(), size.height()) << name.toStdString();
        EXPECT_EQ(name, QStringLiteral("quipsender-%1.png").arg(size.width()));
        EXPECT_TRUE(icon.availableSizes().contains(size)) << name.toStdString();

        const QImage shown = icon.pixmap(size).toImage();
        ASSERT_EQ(shown.size(), size) << name.toStdString();
        // A bubble on a clear background: opaque in the middle, clear in the far corner.
        EXPECT_EQ(qAlpha(shown.pixel(size.width() / 2, size.height() / 2)), 255);
        EXPECT_EQ(qAlpha(shown.pixel(size.width() - 1, size.height() - 1)), 0);
    }
}
