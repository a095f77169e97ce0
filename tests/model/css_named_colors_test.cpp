#include "model/css_named_colors.h"
#include "model/integer_text.h"
#include "model/named_colors.h"

#include <gtest/gtest.h>

#include <string>

namespace pigmentrix {
namespace {

// The HTML table names some colours twice ("Cyan / Aqua", "Magenta (Fuchsia)"):
// every name in it must be a CSS name of the same colour.
TEST(CssNamedColorsTest, AgreeWithTheHtmlColourTable)
{
    for (const RColor &entry : HTMLColors) {
        std::string names = AsciiLowerCase(NameToUtf8(entry.Name));
        for (char &c : names)
            if (c == '/' || c == '(' || c == ')')
                c = ' ';
        std::size_t start = 0;
        while ((start = names.find_first_not_of(' ', start)) != std::string::npos) {
            const std::size_t end = names.find(' ', start);
            const std::string name = names.substr(start, end - start);
            const std::optional<int> rgb = CssNamedColor(name);
            ASSERT_TRUE(rgb.has_value()) << name;
            EXPECT_EQ(ComposeColor(*rgb >> 16, *rgb >> 8, *rgb), entry.Value) << name;
            start = end;
        }
    }
}

TEST(CssNamedColorsTest, KnowsTheGreySpellingsAndNothingElse)
{
    EXPECT_EQ(CssNamedColor("darkslategrey"), 0x2F4F4F);
    EXPECT_EQ(CssNamedColor("aliceblue"), 0xF0F8FF);
    EXPECT_EQ(CssNamedColor("yellowgreen"), 0x9ACD32);
    EXPECT_EQ(CssNamedColor("AliceBlue"), std::nullopt);
    EXPECT_EQ(CssNamedColor("transparent"), std::nullopt);
    EXPECT_EQ(CssNamedColor(""), std::nullopt);
}

} // namespace
} // namespace pigmentrix
