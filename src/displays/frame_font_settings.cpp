#include "displays/frame_font_settings.h"

#include "model/rounding.h"

#include <QStringList>

#include <algorithm>
#include <cstdlib>

namespace pigmentrix {
namespace {

constexpr int DesignPixelsPerInch = 96;
constexpr int PointsPerInch = 72;
constexpr int PitchFixed = 2;
constexpr int QualityNonAntialiased = 3;
constexpr int QualityAntialiased = 4;
// Keeps a hand-edited height from asking for an absurd face.
constexpr int MaxPixelHeight = 512;

int PixelHeight(const QFont &font)
{
    if (font.pixelSize() > 0)
        return font.pixelSize();
    return std::max(1, qRound(font.pointSizeF() * DesignPixelsPerInch / PointsPerInch));
}

} // namespace

FontSettings FrameFontSettings(const QFont &font, TColor color, const FontSettings &kept)
{
    FontSettings settings = kept;
    settings.color = color;
    const int pixels = PixelHeight(font);
    settings.height = -pixels;
    settings.size = MulDiv(pixels, PointsPerInch, DesignPixelsPerInch);
    const QStringList families = font.families();
    settings.name = (families.isEmpty() ? font.family() : families.constFirst()).toStdString();
    if (font.fixedPitch())
        settings.pitch = PitchFixed;
    else if (kept.pitch == PitchFixed)
        settings.pitch = 0;
    settings.style = (font.bold() ? fsBold : 0u) | (font.italic() ? fsItalic : 0u)
                     | (font.underline() ? fsUnderline : 0u) | (font.strikeOut() ? fsStrikeOut : 0u);
    if (font.styleStrategy() & QFont::NoAntialias)
        settings.quality = QualityNonAntialiased;
    else if (kept.quality == QualityNonAntialiased)
        settings.quality = 0;
    return settings;
}

QFont FrameFontFrom(const FontSettings &stored, const QFont &base)
{
    QFont font = base;
    if (!stored.name.empty()) {
        const QString face = QString::fromStdString(stored.name);
        QStringList families = base.families();
        families.removeAll(face);
        families.prepend(face);
        font.setFamilies(families);
    }
    long long pixels = 0;
    if (stored.height != 0)
        pixels = std::llabs(static_cast<long long>(stored.height));
    else if (stored.size > 0)
        pixels = MulDiv(stored.size, DesignPixelsPerInch, PointsPerInch);
    if (pixels > 0)
        font.setPixelSize(static_cast<int>(std::min<long long>(pixels, MaxPixelHeight)));
    font.setBold((stored.style & fsBold) != 0);
    font.setItalic((stored.style & fsItalic) != 0);
    font.setUnderline((stored.style & fsUnderline) != 0);
    font.setStrikeOut((stored.style & fsStrikeOut) != 0);
    font.setFixedPitch(stored.pitch == PitchFixed);
    if (stored.quality == QualityNonAntialiased)
        font.setStyleStrategy(QFont::NoAntialias);
    else if (stored.quality >= QualityAntialiased)
        font.setStyleStrategy(QFont::PreferAntialias);
    else
        font.setStyleStrategy(QFont::PreferDefault);
    return font;
}

} // namespace pigmentrix
