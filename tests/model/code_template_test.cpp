#include "model/code_template.h"

#include <gtest/gtest.h>

#include <string>

namespace pigmentrix {
namespace {

constexpr TColor Orange = ComposeColor(255, 128, 0);

struct TemplateRow {
    std::string text;
    TColor color;
    int alpha;
    std::string expected;
};

void PrintTo(const TemplateRow &row, std::ostream *os)
{
    *os << '"' << row.text << '"';
}

class CodeTemplateTest : public testing::TestWithParam<TemplateRow> { };

TEST_P(CodeTemplateTest, RendersTheColour)
{
    const TemplateRow &row = GetParam();
    EXPECT_EQ(CodeTemplate(row.text).Render(row.color, row.alpha), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Fields, CodeTemplateTest,
                         testing::Values(TemplateRow{"{r},{g},{b},{a}", Orange, 128, "255,128,0,128"},
                                         TemplateRow{"{rf} {gf} {bf} {af}", Orange, 128, "1 0.502 0 0.502"},
                                         TemplateRow{"#{hex}", ComposeColor(0xAB, 0xCD, 0xEF), 255, "#ABCDEF"},
                                         TemplateRow{"{h} {s}% {l}%", Orange, 255, "30 100% 50%"},
                                         TemplateRow{"{h} {sv} {v}", ComposeColor(18, 52, 86), 255, "210 79 34"},
                                         TemplateRow{"{c} {m} {y} {k}", ComposeColor(18, 52, 86), 255, "79 40 0 66"},
                                         TemplateRow{"{c} {m} {y} {k}", clBlack, 255, "0 0 0 100"},
                                         TemplateRow{"{okl} {okc} {okh}", Orange, 255, "0.7319 0.1858 52.9847"},
                                         TemplateRow{"{okh}", ComposeColor(128, 128, 128), 255, "0"},
                                         TemplateRow{"{name}", ComposeColor(255, 0, 0), 255, "Red"},
                                         TemplateRow{"plain text", Orange, 255, "plain text"},
                                         TemplateRow{"", Orange, 255, ""}));

// Whole numbers round half up: grey 128 is 50.196% light, green 128 is 50.2%
// of 255, and 127.5 of anything is 128.
INSTANTIATE_TEST_SUITE_P(RoundHalfUp, CodeTemplateTest,
                         testing::Values(TemplateRow{"{l}", ComposeColor(128, 128, 128), 255, "50"},
                                         TemplateRow{"{v}", ComposeColor(0, 0, 1), 255, "0"},
                                         TemplateRow{"{l}", ComposeColor(255, 0, 0), 255, "50"},
                                         TemplateRow{"{s:d}", ComposeColor(255, 254, 254), 255, "100"},
                                         TemplateRow{"{h:d}", ComposeColor(255, 0, 1), 255, "360"},
                                         TemplateRow{"{sv:d}", ComposeColor(255, 191, 191), 255, "25"}));

INSTANTIATE_TEST_SUITE_P(
    Formats, CodeTemplateTest,
    testing::Values(TemplateRow{"{r:x}{g:x}{b:x}", ComposeColor(0xAB, 0x0C, 0xEF), 255, "abcef"},
                    TemplateRow{"{r:02x}{g:02x}{b:02X}", ComposeColor(0xAB, 0x0C, 0xEF), 255, "ab0cEF"},
                    TemplateRow{"{rf:.3f}", Orange, 255, "1.000"}, TemplateRow{"{gf:.2}", Orange, 255, "0.50"},
                    TemplateRow{"{gf:f}", Orange, 255, "0.501961"}, TemplateRow{"{h:.1f}", Orange, 255, "30.1"},
                    TemplateRow{"[{r:5}]", Orange, 255, "[  255]"}, TemplateRow{"[{r:<5}]", Orange, 255, "[255  ]"},
                    TemplateRow{"[{r:*^7}]", Orange, 255, "[**255**]"}, TemplateRow{"[{b:05}]", Orange, 255, "[00000]"},
                    TemplateRow{"[{b:05d}]", Orange, 255, "[00000]"},
                    TemplateRow{"[{hex:>8}]", Orange, 255, "[  FF8000]"},
                    TemplateRow{"[{hex:8}]", Orange, 255, "[FF8000  ]"}, TemplateRow{"[{hex:.2}]", Orange, 255, "[FF]"},
                    TemplateRow{"[{name:_^7.3}]", ComposeColor(255, 0, 0), 255, "[__Red__]"},
                    TemplateRow{"{{{r}}}", Orange, 255, "{255}"}, TemplateRow{"}}{{", Orange, 255, "}{"},
                    TemplateRow{"rgba({r}, {g}, {b}, {af:.2f})", Orange, 128, "rgba(255, 128, 0, 0.50)"},
                    TemplateRow{"{r:}", Orange, 255, "255"}));

TEST(CodeTemplateCaseTest, LowerCaseTouchesOnlyTheHexField)
{
    const CodeTemplate code("Hex #{hex} {r:X} {name}");
    EXPECT_EQ(code.Render(ComposeColor(0xAB, 0xCD, 0xEF), 255, false), "Hex #abcdef AB Pale Cornflower Blue");
    EXPECT_EQ(code.Render(ComposeColor(0xAB, 0xCD, 0xEF), 255, true), "Hex #ABCDEF AB Pale Cornflower Blue");
}

struct TemplateErrorRow {
    std::string text;
    std::string message;
};

void PrintTo(const TemplateErrorRow &row, std::ostream *os)
{
    *os << '"' << row.text << '"';
}

class CodeTemplateErrorTest : public testing::TestWithParam<TemplateErrorRow> { };

TEST_P(CodeTemplateErrorTest, NamesTheFault)
{
    const TemplateErrorRow &row = GetParam();
    try {
        CodeTemplate{row.text};
        ADD_FAILURE() << "no error";
    } catch (const TemplateError &error) {
        EXPECT_EQ(std::string(error.what()), row.message);
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, CodeTemplateErrorTest,
                         testing::Values(TemplateErrorRow{"{red}", "Unknown field 'red' in template"},
                                         TemplateErrorRow{"{}", "Unknown field '' in template"},
                                         TemplateErrorRow{"{R}", "Unknown field 'R' in template"},
                                         TemplateErrorRow{"#{hex", "Unclosed '{' in template; write '{{' for a brace"},
                                         TemplateErrorRow{"a } b", "Single '}' in template; write '}}' for a brace"},
                                         TemplateErrorRow{"{r:q}", "Bad format 'q' for field 'r'"},
                                         TemplateErrorRow{"{r:.2d}", "Bad format '.2d' for field 'r'"},
                                         TemplateErrorRow{"{r:+d}", "Bad format '+d' for field 'r'"},
                                         TemplateErrorRow{"{r:#x}", "Bad format '#x' for field 'r'"},
                                         TemplateErrorRow{"{r:e}", "Bad format 'e' for field 'r'"},
                                         TemplateErrorRow{"{r:.}", "Bad format '.' for field 'r'"},
                                         TemplateErrorRow{"{r:5.2.1f}", "Bad format '5.2.1f' for field 'r'"},
                                         TemplateErrorRow{"{r:9999}", "Bad format '9999' for field 'r'"},
                                         TemplateErrorRow{"{hex:d}", "Bad format 'd' for field 'hex'"},
                                         TemplateErrorRow{"{name:08}", "Bad format '08' for field 'name'"},
                                         TemplateErrorRow{"{r:{}}", "Bad format '{' for field 'r'"}));

} // namespace
} // namespace pigmentrix
