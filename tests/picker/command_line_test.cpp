#include "picker/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pigmentrix {
namespace {

struct ScanRow {
    const char *name;
    std::vector<std::string> arguments;
    StartOptions expected;
};

StartOptions Options(bool single, bool allowClose, bool autostart, bool noTray, std::string colour = {})
{
    return StartOptions{single, allowClose, autostart, noTray, std::move(colour)};
}

class ArgumentScan : public testing::TestWithParam<ScanRow> { };

TEST_P(ArgumentScan, SetsOptionsAndColourParameter)
{
    const ScanRow &row = GetParam();
    const StartOptions got = ScanArguments(row.arguments);
    EXPECT_EQ(got.singleInstanceCheck, row.expected.singleInstanceCheck);
    EXPECT_EQ(got.allowClose, row.expected.allowClose);
    EXPECT_EQ(got.autostart, row.expected.autostart);
    EXPECT_EQ(got.noTray, row.expected.noTray);
    EXPECT_EQ(got.colorParameter, row.expected.colorParameter);
}

const std::string program = "/usr/bin/pigmentrix";

INSTANTIATE_TEST_SUITE_P(
    Rows, ArgumentScan,
    testing::Values(
        ScanRow{"NoArguments", {program}, Options(true, false, false, false)},
        ScanRow{"MultiLower", {program, "/multi"}, Options(false, false, false, false)},
        ScanRow{"MultiUpper", {program, "/MULTI"}, Options(false, false, false, false)},
        ScanRow{"MultiMixed", {program, "/Multi"}, Options(false, false, false, false)},
        ScanRow{"DashIsNoSwitch", {program, "-multi"}, Options(true, false, false, false)},
        ScanRow{"SuffixIsNoSwitch", {program, "/multi=1"}, Options(true, false, false, false)},
        ScanRow{"AllowClose", {program, "/AllowClose"}, Options(true, true, false, false)},
        ScanRow{"Autostart", {program, "/autostart"}, Options(true, false, true, false)},
        ScanRow{"NoTrayLeavesOthersForLater", {program, "/notray", "/autostart"}, Options(true, false, true, true)},
        ScanRow{"RepeatedSwitch", {program, "/multi", "/MULTI"}, Options(false, false, false, false)},
        ScanRow{"LastColourWins", {program, "FF8000", "#00FF00"}, Options(true, false, false, false, "#00FF00")},
        ScanRow{"EmptyArgumentClears", {program, "FF8000", ""}, Options(true, false, false, false)},
        ScanRow{"ShortColourQualifies", {program, "#ABC"}, Options(true, false, false, false, "#ABC")},
        ScanRow{"NonHexIgnored", {program, "GG0000"}, Options(true, false, false, false)},
        ScanRow{"NonAsciiIgnored", {program, "FF80\xC3\xA9"}, Options(true, false, false, false)},
        ScanRow{"ColourBeforeNonColourKept",
                {program, "123456", "/multi", "hello"},
                Options(false, false, false, false, "123456")},
        ScanRow{"ProgramPathIsScannedToo", {"ABCDEF"}, Options(true, false, false, false, "ABCDEF")},
        ScanRow{"LowerCaseHexQualifies", {program, "#abcdef"}, Options(true, false, false, false, "#abcdef")}),
    [](const testing::TestParamInfo<ScanRow> &info) { return std::string(info.param.name); });

struct PickRow {
    const char *name;
    std::vector<std::string> arguments;
    bool pick;
    bool argumentError;
};

class PickSwitch : public testing::TestWithParam<PickRow> { };

TEST_P(PickSwitch, PicksAndRefusesAColourBesideIt)
{
    const PickRow &row = GetParam();
    const StartOptions got = ScanArguments(row.arguments);
    EXPECT_EQ(got.pick, row.pick);
    EXPECT_EQ(ArgumentError(got).has_value(), row.argumentError);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PickSwitch,
    testing::Values(PickRow{"None", {program}, false, false}, PickRow{"Slash", {program, "/pick"}, true, false},
                    PickRow{"DoubleDash", {program, "--pick"}, true, false},
                    PickRow{"AnyCase", {program, "/PiCk"}, true, false},
                    PickRow{"DoubleDashAnyCase", {program, "--PICK"}, true, false},
                    PickRow{"SingleDashIsNoSwitch", {program, "-pick"}, false, false},
                    PickRow{"WithOtherSwitches", {program, "/multi", "/pick", "/notray"}, true, false},
                    PickRow{"ColourAfter", {program, "/pick", "FF8000"}, true, true},
                    PickRow{"ColourBefore", {program, "#00ff00", "--pick"}, true, true},
                    PickRow{"ColourClearedStillGiven", {program, "/pick", "FF8000", ""}, true, true},
                    PickRow{"EmptyArgumentIsNoColour", {program, "/pick", ""}, true, false},
                    PickRow{"ColourWithoutPick", {program, "FF8000"}, false, false}),
    [](const testing::TestParamInfo<PickRow> &info) { return std::string(info.param.name); });

} // namespace
} // namespace pigmentrix
