#include "model/integer_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace pigmentrix {
namespace {

struct ValidIntegerRow {
    std::string text;
    int expected;
};

class ValidIntegerTextTest : public testing::TestWithParam<ValidIntegerRow> { };

TEST_P(ValidIntegerTextTest, Converts)
{
    EXPECT_EQ(StrToInt(GetParam().text), GetParam().expected);
    EXPECT_EQ(TryStrToInt(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ValidIntegerTextTest,
    testing::Values(ValidIntegerRow{"0", 0}, ValidIntegerRow{"123", 123}, ValidIntegerRow{"  42", 42},
                    ValidIntegerRow{"+7", 7}, ValidIntegerRow{"-7", -7}, ValidIntegerRow{"-0", 0},
                    ValidIntegerRow{"000000000012", 12}, ValidIntegerRow{"2147483647", std::numeric_limits<int>::max()},
                    ValidIntegerRow{"-2147483648", std::numeric_limits<int>::min()}, ValidIntegerRow{"$FF", 255},
                    ValidIntegerRow{"$ff", 255}, ValidIntegerRow{"xFF", 255}, ValidIntegerRow{"XFF", 255},
                    ValidIntegerRow{"0xFF", 255}, ValidIntegerRow{"0XfF", 255}, ValidIntegerRow{"0x0", 0},
                    ValidIntegerRow{"  $10", 16},
                    // Hexadecimal is a 32-bit pattern; a sign applies to the pattern.
                    ValidIntegerRow{"$FFFFFFFF", -1}, ValidIntegerRow{"$80000000", std::numeric_limits<int>::min()},
                    ValidIntegerRow{"$7FFFFFFF", std::numeric_limits<int>::max()}, ValidIntegerRow{"-$10", -16},
                    ValidIntegerRow{"+$10", 16}, ValidIntegerRow{"-$FFFFFFFF", 1},
                    ValidIntegerRow{" -0x80000000", std::numeric_limits<int>::min()},
                    // Leading zeros are not significant digits.
                    ValidIntegerRow{"$000000001", 1}, ValidIntegerRow{"0x00000000FFFFFFFF", -1}));

class InvalidIntegerTextTest : public testing::TestWithParam<std::string> { };

TEST_P(InvalidIntegerTextTest, IsAConversionErrorNamingTheText)
{
    const std::string &text = GetParam();
    EXPECT_EQ(TryStrToInt(text), std::nullopt);
    try {
        StrToInt(text);
        FAIL() << "no error for '" << text << "'";
    } catch (const ConvertError &error) {
        EXPECT_EQ(std::string(error.what()), "'" + text + "' is not a valid integer value");
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, InvalidIntegerTextTest,
                         testing::Values("", " ", "2147483648", "-2147483649", "99999999999999999999", "$100000000",
                                         "0x123456789", "12a", "1 ", "\t1", "- 1", "+ 1", "$", "0x", "0X", "x", "+",
                                         "-", "$-1", "0x-1", "$G", "1.5", "--1", "+-1", "1,0", "#10", "&H10", "0b1",
                                         "$ 1", "1e5"));

TEST(IntegerTextMessageTest, QuotesTheTextAsGiven)
{
    EXPECT_EQ(InvalidIntegerMessage(" 12a"), "' 12a' is not a valid integer value");
    EXPECT_EQ(InvalidIntegerMessage(""), "'' is not a valid integer value");
}

struct OrZeroRow {
    std::string text;
    int expected;
};

class StrToIntOrZeroTest : public testing::TestWithParam<OrZeroRow> { };

TEST_P(StrToIntOrZeroTest, TakesTheEmptyTextAsZero)
{
    EXPECT_EQ(StrToIntOrZero(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, StrToIntOrZeroTest,
                         testing::Values(OrZeroRow{"", 0}, OrZeroRow{"17", 17}, OrZeroRow{"-$1", -1}));

TEST(StrToIntOrZeroTest, StillRejectsBlanksAndJunk)
{
    EXPECT_THROW(StrToIntOrZero(" "), ConvertError);
    EXPECT_THROW(StrToIntOrZero("abc"), ConvertError);
}

struct HexDigitsRow {
    std::string digits;
    std::optional<int> expected;
};

class HexDigitsTest : public testing::TestWithParam<HexDigitsRow> { };

TEST_P(HexDigitsTest, ReadsBareDigitsOnly)
{
    int value = 12345;
    const bool read = TryHexDigitsToInt(GetParam().digits, value);
    EXPECT_EQ(read ? std::optional<int>(value) : std::nullopt, GetParam().expected);
    if (!read) {
        EXPECT_EQ(value, 12345) << "a failed read leaves the value alone";
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, HexDigitsTest,
                         testing::Values(HexDigitsRow{"0", 0}, HexDigitsRow{"fF", 255}, HexDigitsRow{"FFFFFFFF", -1},
                                         HexDigitsRow{"0000000000A", 10}, HexDigitsRow{"", std::nullopt},
                                         HexDigitsRow{"+1", std::nullopt}, HexDigitsRow{" 1", std::nullopt},
                                         HexDigitsRow{"1 ", std::nullopt}, HexDigitsRow{"$1", std::nullopt},
                                         HexDigitsRow{"x1", std::nullopt}, HexDigitsRow{"123456789", std::nullopt}));

struct CaseRow {
    std::string text;
    std::string lower;
    std::string upper;
};

class AsciiCaseTest : public testing::TestWithParam<CaseRow> { };

TEST_P(AsciiCaseTest, ChangesAsciiLettersOnly)
{
    EXPECT_EQ(AsciiLowerCase(GetParam().text), GetParam().lower);
    EXPECT_EQ(AsciiUpperCase(GetParam().text), GetParam().upper);
}

INSTANTIATE_TEST_SUITE_P(Rows, AsciiCaseTest,
                         testing::Values(CaseRow{"&H0080FF", "&h0080ff", "&H0080FF"},
                                         CaseRow{"0xff0080ff", "0xff0080ff", "0XFF0080FF"},
                                         CaseRow{"30, 100%, 50%", "30, 100%, 50%", "30, 100%, 50%"},
                                         CaseRow{"/NoTray", "/notray", "/NOTRAY"},
                                         // "Ä" and "ä" in UTF-8 stay as they are.
                                         CaseRow{"\xC3\x84\xC3\xA4z", "\xC3\x84\xC3\xA4z", "\xC3\x84\xC3\xA4Z"}));

} // namespace
} // namespace pigmentrix
