#include "picker/start_checks.h"

#include <gtest/gtest.h>

namespace pigmentrix {
namespace {

TEST(StartChecks, HelpIsAskedForAfterTheProgramsPath)
{
    struct Row {
        std::vector<std::string> arguments;
        bool asks;
    };
    const std::vector<Row> rows = {
        {{"pigmentrix", "--help"}, true},
        {{"pigmentrix", "-h"}, true},
        {{"pigmentrix", "/multi", "/?"}, true},
        {{"pigmentrix"}, false},
        {{"pigmentrix", "/multi", "FF8000"}, false},
        {{"--help"}, false},
        {{"pigmentrix", "--HELP"}, false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.arguments));
        EXPECT_EQ(AsksForHelp(row.arguments), row.asks);
    }
    EXPECT_TRUE(
        UsageText().starts_with("Usage: pigmentrix [/multi] [/allowclose] [/autostart] [/notray] [COLOUR | /pick]\n"));
}

bool AnswersX11(const std::string &display)
{
    return display == ":0";
}

TEST(StartChecks, WithoutADisplayTheProgramSaysItNeedsOne)
{
    struct Row {
        const char *what;
        StartEnvironment environment;
        const char *told; // a part of the message; nullptr: none
    };
    const std::vector<Row> rows = {
        {"an X display", {":0", {}, {}, {}, false}, nullptr},
        {"a Wayland display", {{}, "wayland-0", {}, {}, false}, nullptr},
        {"a platform chosen by hand", {{}, {}, "offscreen", {}, false}, nullptr},
        {"nothing", {}, "needs a graphical display, and none is set: neither DISPLAY nor WAYLAND_DISPLAY"},
        {"an X display that does not answer",
         {":9", {}, {}, {}, false},
         "the X display \":9\" (DISPLAY) cannot be opened"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        const std::optional<std::string> message = MissingDisplayMessage(row.environment, AnswersX11);
        if (!row.told) {
            EXPECT_EQ(message, std::nullopt);
            continue;
        }
        ASSERT_TRUE(message);
        EXPECT_NE(message->find(row.told), std::string::npos) << *message;
    }
}

TEST(StartChecks, TheSessionBusIsLeftAloneOnlyWhereItIsNamedOrAPortalIsNeeded)
{
    struct Row {
        const char *what;
        StartEnvironment environment;
        bool keepOff;
    };
    const std::vector<Row> rows = {
        {"X11 without a bus", {":0", {}, {}, {}, false}, true},
        {"X11 with a bus address", {":0", {}, {}, "unix:path=/run/user/1000/bus", false}, false},
        {"X11 with the user's bus socket", {":0", {}, {}, {}, true}, false},
        {"Wayland, where the portal needs a bus", {{}, "wayland-0", {}, {}, false}, false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(KeepOffSessionBus(row.environment), row.keepOff);
    }
}

} // namespace
} // namespace pigmentrix
