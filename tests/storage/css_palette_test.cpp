#include "storage/css_palette.h"

#include <gtest/gtest.h>

namespace pigmentrix {
namespace {

TEST(CssPalette, OneCustomPropertyAColourNamedAfterIt)
{
    const SwatchPalette palette{"Spring",
                                0,
                                {
                                    {ComposeColor(0x87, 0xCE, 0xEB), "Sky Blue"},
                                    {ComposeColor(0, 0, 0), ""},
                                    {ComposeColor(255, 0, 0), "  Red (Pantone 032) "},
                                    {ComposeColor(1, 2, 3), "Sky  blue!"},
                                    {ComposeColor(4, 5, 6), "sky-blue"},
                                    {ComposeColor(7, 8, 9), "***"},
                                    {ComposeColor(10, 11, 12), "Color 2"},
                                    {ComposeColor(0xAB, 0xCD, 0xEF), "Caf\xC3\xA9 Cr\xC3\xA8me"},
                                    {static_cast<TColor>(0xFF00000F), "Button face"},
                                }};
    EXPECT_EQ(FormatCssPalette(palette), ":root {\n"
                                         "  --sky-blue: #87ceeb;\n"
                                         "  --color-2: #000000;\n"
                                         "  --red-pantone-032: #ff0000;\n"
                                         "  --sky-blue-2: #010203;\n"
                                         "  --sky-blue-3: #040506;\n"
                                         "  --color-6: #070809;\n"
                                         "  --color-2-2: #0a0b0c;\n"
                                         "  --caf\xC3\xA9-cr\xC3\xA8me: #abcdef;\n"
                                         "  --button-face: #d4d0c8;\n"
                                         "}\n");
}

TEST(CssPalette, AnEmptyPaletteIsAnEmptyRule)
{
    EXPECT_EQ(FormatCssPalette({}), ":root {\n}\n");
}

} // namespace
} // namespace pigmentrix
