#include "ui/artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <QIconEngine>
#include <QImageReader>
#include <QPaintDevice>
#include <QPainter>

#include <vector>

namespace pigmentrix {
namespace {

struct Picture {
    QSize size;
    QString path;
    bool read = false;
};

int Area(QSize size)
{
    return size.width() * size.height();
}

// Draws what an icon of all its PNGs would draw, with the same choice of
// picture for a size (the smallest that is at least as large, else the
// largest), but reads each PNG only when first drawn, and reads it as PNG:
// a QIcon of files asks every image plugin of the system (SVG, JPEG, GIF...)
// whether it reads PNG, which loads them all into the program.
class ArtworkEngine final : public QIconEngine {
public:
    explicit ArtworkEngine(std::vector<Picture> pictures)
        : pictures(std::move(pictures))
    {
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        Picture *best = bestFor(size);
        if (!best)
            return {};
        if (!best->read) {
            QImageReader reader(best->path, "png");
            reader.setAutoDetectImageFormat(false);
            drawn.addPixmap(QPixmap::fromImage(reader.read()));
            best->read = true;
        }
        return drawn.pixmap(size, 1.0, mode, state);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const QPaintDevice *device = painter->device();
        const qreal ratio = device ? device->devicePixelRatio() : qApp->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const Picture *best = bestFor(size);
        if (!best)
            return {};
        QSize actual = best->size;
        if (actual.width() > size.width() || actual.height() > size.height())
            actual.scale(size, Qt::KeepAspectRatio);
        return actual;
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        QList<QSize> sizes;
        if (mode == QIcon::Normal && state == QIcon::Off) {
            for (const Picture &picture : pictures)
                sizes.append(picture.size);
        }
        return sizes;
    }

    bool isNull() override { return pictures.empty(); }

    QIconEngine *clone() const override { return new ArtworkEngine(*this); }

private:
    Picture *bestFor(QSize size)
    {
        const int wanted = Area(size);
        Picture *best = nullptr;
        for (Picture &picture : pictures) {
            if (!best) {
                best = &picture;
                continue;
            }
            const int area = Area(picture.size);
            const int bestArea = Area(best->size);
            const bool bothLargeEnough = area >= wanted && bestArea >= wanted;
            if (bothLargeEnough ? area < bestArea : area > bestArea)
                best = &picture;
        }
        return best;
    }

    std::vector<Picture> pictures;
    QIcon drawn;
};

// The size a file name "WxH.png" gives; an invalid size for any other name.
QSize SizeOfName(QStringView name)
{
    if (!name.endsWith(u".png"))
        return {};
    const QStringView size = name.chopped(4);
    const qsizetype cross = size.indexOf(u'x');
    bool wide = false;
    bool high = false;
    const int width = size.left(cross).toInt(&wide);
    const int height = size.mid(cross + 1).toInt(&high);
    return cross > 0 && wide && high ? QSize(width, height) : QSize();
}

} // namespace

QIcon ArtworkIcon(QStringView folder)
{
    const QDir files(QStringLiteral(":/icons/") + folder.toString());
    std::vector<Picture> pictures;
    for (const QString &name : files.entryList(QDir::Files)) {
        const QSize size = SizeOfName(name);
        if (size.isValid() && !size.isEmpty())
            pictures.push_back({size, files.filePath(name)});
    }
    return QIcon(new ArtworkEngine(std::move(pictures)));
}

QPixmap ArtworkPixmap(QStringView folder, QSize size, qreal devicePixelRatio)
{
    return ArtworkIcon(folder).pixmap(size, devicePixelRatio);
}

} // namespace pigmentrix
