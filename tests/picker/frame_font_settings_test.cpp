#include "displays/frame_font_settings.h"

#include "storage/color_identifiers.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace pigmentrix {
namespace {

QFont Base()
{
    QFont font;
    font.setFamilies({QStringLiteral("Segoe UI"), QStringLiteral("DejaVu Sans Condensed")});
    font.setPixelSize(13);
    font.setBold(true);
    return font;
}

TEST(FrameFontSettings, TheDesignFontIsStoredAsTheDefault)
{
    EXPECT_EQ(FrameFontSettings(Base(), clWindowText, DefaultFrameFont()), DefaultFrameFont());
}

TEST(FrameFontSettings, FontsSurviveTheRoundTrip)
{
    struct Row {
        const char *what;
        FontSettings stored;
    };
    FontSettings italic = DefaultFrameFont();
    italic.name = "DejaVu Serif";
    italic.height = -20;
    italic.size = 15;
    italic.style = fsItalic | fsUnderline | fsStrikeOut;
    italic.color = 0x000080FF;
    FontSettings crisp = DefaultFrameFont();
    crisp.pitch = 2;
    crisp.quality = 3;
    crisp.charset = 204;
    crisp.orientation = 900;
    const std::vector<Row> rows = {{"face, height, style, colour", italic}, {"pitch, quality, charset", crisp}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        const QFont font = FrameFontFrom(row.stored, Base());
        EXPECT_EQ(FrameFontSettings(font, row.stored.color, row.stored), row.stored);
    }
}

TEST(FrameFontSettings, ReadingSizesAndFaces)
{
    struct Row {
        const char *what;
        int height;
        int size;
        int pixels;
    };
    const std::vector<Row> rows = {
        {"negative height: exact pixels", -20, 99, 20},  {"positive height taken as pixels", 18, 0, 18},
        {"no height: points at 96 per inch", 0, 12, 16}, {"absurd height is capped", -2147483647 - 1, 0, 512},
        {"neither: the base keeps its size", 0, 0, 13},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        FontSettings stored = DefaultFrameFont();
        stored.height = row.height;
        stored.size = row.size;
        EXPECT_EQ(FrameFontFrom(stored, Base()).pixelSize(), row.pixels);
    }
    FontSettings named = DefaultFrameFont();
    named.name = "DejaVu Sans Condensed";
    EXPECT_EQ(FrameFontFrom(named, Base()).families(),
              (QStringList{QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Segoe UI")}));
}

TEST(FrameFontSettings, PointSizedFontsAreStoredInPixelsAt96PerInch)
{
    QFont font = Base();
    font.setPointSize(12);
    const FontSettings stored = FrameFontSettings(font, clBlack, DefaultFrameFont());
    EXPECT_EQ(stored.height, -16);
    EXPECT_EQ(stored.size, 12);
}

} // namespace
} // namespace pigmentrix
