#include "storage/window_position.h"

#include <gtest/gtest.h>

namespace pigmentrix {
namespace {

TEST(WindowPosition, NumbersAreJoinedByCommas)
{
    EXPECT_EQ(FormatPositionNumbers(-1, -1, -8, -31), "-1,-1,-8,-31");
    using Numbers = std::array<std::optional<int>, 4>;
    EXPECT_EQ(ParsePositionNumbers("10,20,330,400"), (Numbers{10, 20, 330, 400}));
    EXPECT_EQ(ParsePositionNumbers("-1,x,3"), (Numbers{-1, std::nullopt, 3, std::nullopt}));
    EXPECT_EQ(ParsePositionNumbers(""), (Numbers{}));
}

TEST(WindowPosition, ValuesRoundTripThroughTheStore)
{
    SettingsStore store({});
    WriteWindowPosition(store, {2, 120, {-1, -1}, {-8, -31}, {100, 50, 420, 550}});
    EXPECT_EQ(store.ReadText("NormPos"), "100,50,420,550");
    EXPECT_EQ(store.ReadText("MinMaxPos"), "-1,-1,-8,-31");
    const StoredWindowPosition read = ReadWindowPosition(store);
    EXPECT_EQ(read.flags, 2);
    EXPECT_EQ(read.pixelsPerInch, 120);
}

TEST(WindowPosition, NegativeFormVersionStopsTheRestore)
{
    SettingsStore store({});
    EXPECT_TRUE(MayRestoreStoredSettings(store));
    WriteFormVersion(store);
    EXPECT_EQ(store.ReadText("FormVersion"), "0");
    EXPECT_TRUE(MayRestoreStoredSettings(store));
    store.WriteInteger("FormVersion", -1);
    EXPECT_FALSE(MayRestoreStoredSettings(store));
}

struct PlacementRow {
    const char *name;
    StoredWindowPosition stored;
    int presentPixelsPerInch;
    PlacementDecision expected;
};

TEST(WindowPosition, StoredPlaceIsUsedOnlyWhenItIsOnAScreen)
{
    const std::vector<ScreenRect> screens = {{0, 0, 1920, 1080}, {1920, 0, 3200, 1024}};
    const ScreenRect present{810, 290, 1110, 790}; // 300 x 500, centred on the first screen
    const PlacementDecision centred{false, 0, {}, {}, present};
    const std::vector<PlacementRow> rows = {
        {"nothing stored", {}, 96, centred},
        {"stored place on the first screen",
         {2, 96, "-1,-1,-8,-31", "100,50,9999,9999"},
         96,
         {true, 2, {-1, -1}, {-8, -31}, {100, 50, 400, 550}}},
        {"stored place spanning both screens",
         {0, 96, "-1,-1,-1,-1", "1800,100,0,0"},
         96,
         {true, 0, {-1, -1}, {-1, -1}, {1800, 100, 2100, 600}}},
        {"pixels per inch not stored count as unchanged",
         {0, std::nullopt, std::nullopt, "100,50,0,0"},
         96,
         {true, 0, {0, 0}, {0, 0}, {100, 50, 400, 550}}},
        {"pixels per inch changed", {0, 96, "-1,-1,-1,-1", "100,50,400,550"}, 144, centred},
        {"screen since removed", {0, 96, "-1,-1,-1,-1", "3300,100,3600,600"}, 96, centred},
        {"bottom-right corner below the screen", {0, 96, "-1,-1,-1,-1", "100,700,0,0"}, 96, centred},
        {"top-left corner left of the screen", {0, 96, "-1,-1,-1,-1", "-50,100,0,0"}, 96, centred},
        {"hanging below the smaller screen", {0, 96, "-1,-1,-1,-1", "2000,600,0,0"}, 96, centred},
        {"only MinMaxPos keeps the present rectangle",
         {0, 96, "5,x,7,8", std::nullopt},
         96,
         {true, 0, {5, 0}, {7, 8}, present}},
        {"unreadable NormPos numbers take the present place",
         {0, 96, std::nullopt, "a,b,c,d"},
         96,
         {true, 0, {0, 0}, {0, 0}, present}},
    };
    for (const PlacementRow &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(DecideWindowPlacement(row.stored, row.presentPixelsPerInch, present, screens), row.expected);
    }
}

TEST(WindowPosition, CentresOnThePrimaryScreen)
{
    const std::vector<ScreenRect> screens = {{1920, 0, 3200, 1024}, {0, 0, 1920, 1080}};
    const PlacementDecision decision = DecideWindowPlacement({}, 96, {0, 0, 300, 500}, screens);
    EXPECT_FALSE(decision.restored);
    EXPECT_EQ(decision.normal, (ScreenRect{2410, 262, 2710, 762}));
}

TEST(WindowPosition, WithoutScreensTheWindowStaysPut)
{
    const ScreenRect present{10, 20, 310, 520};
    const PlacementDecision decision = DecideWindowPlacement({0, 96, "0,0,0,0", "100,100,0,0"}, 96, present, {});
    EXPECT_FALSE(decision.restored);
    EXPECT_EQ(decision.normal, present);
}

} // namespace
} // namespace pigmentrix
