#include "ui/artwork.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <gtest/gtest.h>

#include <cmath>

namespace pigmentrix {
namespace {

QImage Drawn(const QPixmap &pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage File(const QString &folder, QSize pixels)
{
    const QString path = QStringLiteral(":/icons/%1/%2x%3.png").arg(folder).arg(pixels.width()).arg(pixels.height());
    return QImage(path).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Each picture at the size it is drawn at, on displays of every common
// scale, is its own PNG of exactly that many pixels: never a neighbour's
// picture scaled into a blur.
TEST(ArtworkTest, EachPictureAtEachScaleIsItsOwnPixels)
{
    struct Row {
        const char *folder;
        QSize size;
    };
    const Row rows[] = {
        {"settings", {14, 14}},
        {"close", {14, 14}},
        {"undo", {16, 16}},
        {"redo", {16, 16}},
        {"palette_load", {16, 16}},
        {"palette_save", {16, 16}},
        {"palette_changed", {16, 16}},
        {"eyedrop", {22, 22}},
        {"eyedrop", {32, 32}},
        {"eyedrop3", {22, 22}},
        {"eyedrop5", {22, 22}},
    };
    for (const Row &row : rows) {
        const QIcon icon = ArtworkIcon(QString::fromLatin1(row.folder));
        for (const qreal scale : {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0}) {
            SCOPED_TRACE(std::string(row.folder) + " at " + std::to_string(scale));
            const QSize pixels(static_cast<int>(std::lround(row.size.width() * scale)),
                               static_cast<int>(std::lround(row.size.height() * scale)));
            const QPixmap pixmap = icon.pixmap(row.size, scale);
            EXPECT_EQ(pixmap.size(), pixels);
            EXPECT_EQ(pixmap.devicePixelRatio(), scale);
            const QImage file = File(QString::fromLatin1(row.folder), pixels);
            ASSERT_FALSE(file.isNull());
            EXPECT_EQ(Drawn(pixmap), file);
        }
    }
}

TEST(ArtworkTest, TheWindowIconHasOnlyItsOwnSizes)
{
    // Every size goes to the window manager with the window: no scaled copies.
    const QList<QSize> sizes = ArtworkIcon(u"program").availableSizes();
    EXPECT_EQ(sizes, (QList<QSize>{{16, 16}, {22, 22}, {24, 24}, {32, 32}, {48, 48}, {64, 64}}));
}

// Between the sizes there are, an icon draws as Qt's own icon of files does:
// the smallest picture at least as large, else the largest, fitted.
TEST(ArtworkTest, SizesBetweenTakeTheNextLargerPicture)
{
    const QIcon icon = ArtworkIcon(u"program");
    struct Row {
        int asked;
        int actual;
        int source;
    };
    for (const Row &row : {Row{20, 20, 22}, Row{40, 40, 48}, Row{64, 64, 64}, Row{100, 64, 64}, Row{8, 8, 16}}) {
        SCOPED_TRACE(row.asked);
        EXPECT_EQ(icon.actualSize(QSize(row.asked, row.asked)), QSize(row.actual, row.actual));
        const QPixmap pixmap = icon.pixmap(QSize(row.asked, row.asked), 1.0);
        EXPECT_EQ(pixmap.size(), QSize(row.actual, row.actual));
        const QImage source = File(QStringLiteral("program"), QSize(row.source, row.source));
        const QImage expected = source.scaled(row.actual, row.actual, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_EQ(Drawn(pixmap), expected.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
}

TEST(ArtworkTest, ADisabledPictureIsTheStylesDisabledLook)
{
    const QIcon icon = ArtworkIcon(u"undo");
    const QPixmap normal = icon.pixmap(QSize(16, 16), 1.0);
    QStyleOption option;
    option.palette = QApplication::palette();
    const QPixmap expected = QApplication::style()->generatedIconPixmap(QIcon::Disabled, normal, &option);
    EXPECT_EQ(Drawn(icon.pixmap(QSize(16, 16), 1.0, QIcon::Disabled)), Drawn(expected));
    EXPECT_NE(Drawn(expected), Drawn(normal));
}

TEST(ArtworkTest, PaintingFillsTheRectangleAtThePaintersScale)
{
    const QIcon icon = ArtworkIcon(u"close");
    QImage canvas(28, 28, QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(2.0);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        icon.paint(&painter, QRect(0, 0, 14, 14));
    }
    canvas.setDevicePixelRatio(1.0);
    EXPECT_EQ(canvas, File(QStringLiteral("close"), QSize(28, 28)));
}

TEST(ArtworkTest, AMissingFolderIsANullIcon)
{
    const QIcon icon = ArtworkIcon(u"no such picture");
    EXPECT_TRUE(icon.isNull());
    EXPECT_TRUE(icon.pixmap(QSize(16, 16), 1.0).isNull());
    EXPECT_TRUE(ArtworkPixmap(u"no such picture", QSize(16, 16), 2.0).isNull());
}

} // namespace
} // namespace pigmentrix
