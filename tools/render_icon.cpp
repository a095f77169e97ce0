// Renders an SVG icon as square PNGs for the hicolor icon theme, at build
// time, so that no rasteriser outside Qt is needed.
// Usage: render_icon ICON.svg OUTPUT_FOLDER SIZE...
// Writes OUTPUT_FOLDER/SIZExSIZE/pigmentrix.png for every SIZE.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: render_icon ICON.svg OUTPUT_FOLDER SIZE...\n");
        return 2;
    }
    const QString name = QFileInfo(args.at(1)).completeBaseName() + QStringLiteral(".png");
    for (const QString &sizeText : args.mid(3)) {
        bool ok = false;
        const int size = sizeText.toInt(&ok);
        if (!ok || size <= 0) {
            std::fprintf(stderr, "render_icon: '%s' is not a size\n", qPrintable(sizeText));
            return 2;
        }
        QImageReader reader(args.at(1));
        reader.setScaledSize(QSize(size, size));
        const QImage image = reader.read();
        if (image.isNull()) {
            std::fprintf(stderr, "render_icon: %s: %s\n", qPrintable(args.at(1)), qPrintable(reader.errorString()));
            return 1;
        }
        const QString folder = QStringLiteral("%1/%2x%2").arg(args.at(2)).arg(size);
        const QString output = QDir(folder).filePath(name);
        if (!QDir().mkpath(folder) || !image.save(output)) {
            std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(output));
            return 1;
        }
    }
    return 0;
}
