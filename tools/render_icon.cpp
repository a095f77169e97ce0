// Renders an SVG picture as PNGs at build time, so that the programs need no
// SVG renderer when they run and no rasteriser outside Qt is needed to build.
// Usage: render_icon PICTURE.svg OUTPUT_PATTERN SIZE...
// SIZE is N (N x N pixels) or WxH; OUTPUT_PATTERN is a file path in which
// "{size}" stands for "WxH", as in "hicolor/{size}/pigmentrix.png".
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>

#include <cstdio>
#include <optional>

namespace {

std::optional<QSize> ReadSize(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^([1-9][0-9]{0,4})(?:x([1-9][0-9]{0,4}))?$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int width = match.captured(1).toInt();
    const int height = match.hasCaptured(2) ? match.captured(2).toInt() : width;
    return QSize(width, height);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4 || !args.at(2).contains(QStringLiteral("{size}"))) {
        std::fprintf(stderr, "usage: render_icon PICTURE.svg OUTPUT_PATTERN SIZE...\n"
                             "OUTPUT_PATTERN holds {size}, which becomes WIDTHxHEIGHT\n");
        return 2;
    }
    for (const QString &sizeText : args.mid(3)) {
        const std::optional<QSize> size = ReadSize(sizeText);
        if (!size) {
            std::fprintf(stderr, "render_icon: '%s' is not a size (N or WxH)\n", qPrintable(sizeText));
            return 2;
        }
        QImageReader reader(args.at(1));
        reader.setScaledSize(*size);
        const QImage image = reader.read();
        if (image.isNull()) {
            std::fprintf(stderr, "render_icon: %s: %s\n", qPrintable(args.at(1)), qPrintable(reader.errorString()));
            return 1;
        }
        QString output = args.at(2);
        output.replace(QStringLiteral("{size}"), QStringLiteral("%1x%2").arg(size->width()).arg(size->height()));
        // The smallest file: the pictures are linked into the programs.
        if (!QDir().mkpath(QFileInfo(output).path()) || !image.save(output, "PNG", 0)) {
            std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(output));
            return 1;
        }
    }
    return 0;
}
