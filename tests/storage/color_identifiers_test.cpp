#include "storage/color_identifiers.h"

#include <gtest/gtest.h>

#include <vector>

namespace pigmentrix {
namespace {

struct IdentRow {
    TColor value;
    const char *ident;
};

const std::vector<IdentRow> IdentTable = {
    {0, "clBlack"},
    {128, "clMaroon"},
    {32768, "clGreen"},
    {32896, "clOlive"},
    {8388608, "clNavy"},
    {8388736, "clPurple"},
    {8421376, "clTeal"},
    {8421504, "clGray"},
    {12632256, "clSilver"},
    {255, "clRed"},
    {65280, "clLime"},
    {65535, "clYellow"},
    {16711680, "clBlue"},
    {16711935, "clFuchsia"},
    {16776960, "clAqua"},
    {16777215, "clWhite"},
    {12639424, "clMoneyGreen"},
    {15780518, "clSkyBlue"},
    {15793151, "clCream"},
    {10789024, "clMedGray"},
    {536870911, "clNone"},
    {536870912, "clDefault"},
    {SystemColor(0), "clScrollBar"},
    {SystemColor(8), "clWindowText"},
    {SystemColor(15), "clBtnFace"},
    {SystemColor(21), "cl3DDkShadow"},
    {SystemColor(24), "clInfoBk"},
    {SystemColor(26), "clHotLight"},
    {SystemColor(30), "clMenuBar"},
};

TEST(ColorIdentifiers, EveryIdentifierMapsBothWays)
{
    for (const IdentRow &row : IdentTable) {
        SCOPED_TRACE(row.ident);
        EXPECT_EQ(ColorToIdent(row.value), row.ident);
        EXPECT_EQ(IdentToColor(row.ident), row.value);
        EXPECT_EQ(ColorToPaletteText(row.value), row.ident);
        EXPECT_EQ(ColorToSettingText(row.value), row.ident);
    }
}

TEST(ColorIdentifiers, SystemColorValuesAreNegative)
{
    EXPECT_EQ(SystemColor(8), static_cast<TColor>(0xFF000008u));
    EXPECT_LT(clWindowText, 0);
}

struct FormRow {
    TColor value;
    const char *paletteText;
    const char *settingText;
};

TEST(ColorIdentifiers, ColoursWithoutIdentifierUseNumbers)
{
    const std::vector<FormRow> rows = {
        {0x00FFFFF0, "$00FFFFF0", "16777200"},
        {0x00E16941, "$00E16941", "14772545"},
        {0x00424200, "$00424200", "4342272"},
        {SystemColor(25), "$FF000019", "-16777191"},
        {-1, "$FFFFFFFF", "-1"},
    };
    for (const FormRow &row : rows) {
        SCOPED_TRACE(row.paletteText);
        EXPECT_EQ(ColorToIdent(row.value), std::nullopt);
        EXPECT_EQ(ColorToPaletteText(row.value), row.paletteText);
        EXPECT_EQ(ColorToSettingText(row.value), row.settingText);
    }
}

struct ReadRow {
    const char *text;
    std::optional<TColor> color;
};

TEST(ColorIdentifiers, ReadsIdentifiersInAnyCaseAndIntegers)
{
    const std::vector<ReadRow> rows = {
        {"clWhite", 0xFFFFFF},
        {"CLWHITE", 0xFFFFFF},
        {"ClWhItE", 0xFFFFFF},
        {"clbtnface", SystemColor(15)},
        {"16777215", 0xFFFFFF},
        {"$00FFFFF0", 0xFFFFF0},
        {"$00fffff0", 0xFFFFF0},
        {"0x0000FF", 0xFF},
        {"x10", 16},
        {"  255", 255},
        {"+7", 7},
        {"-1", -1},
        {"$FF000008", SystemColor(8)},
        {"clWhite ", std::nullopt},
        {" clWhite", std::nullopt},
        {"255 ", std::nullopt},
        {"clWhit", std::nullopt},
        {"#FFFFFF", std::nullopt},
        {"", std::nullopt},
        {"4294967296", std::nullopt},
    };
    for (const ReadRow &row : rows) {
        SCOPED_TRACE(std::string("\"") + row.text + "\"");
        EXPECT_EQ(ReadColorText(row.text), row.color);
    }
}

} // namespace
} // namespace pigmentrix
