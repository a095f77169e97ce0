#include "shell/window_layout.h"

#include <gtest/gtest.h>

namespace pigmentrix {
namespace {

struct Fixture {
    LayoutGeometry geometry = DesignLayoutGeometry();
    LayoutRecord record = RecordLayout(geometry);
    LayoutState state; // created in Large with nothing checked yet
};

TEST(ChangeLayout, GivesTheDesignTableAtScaleOne)
{
    struct Row {
        Layout layout;
        int outerWidth, outerHeight;
        PanelRect rgb, hsv, buttons, circle, magnifier, magnifierArea;
        int wheelWidth, wheelHeight;
        bool buttonsVisible, circleVisible, paletteVisible, detailsVisible;
    };
    const Row rows[] = {
        {Layout::Small,
         251,
         223,
         {101, 111, 70, 81},
         {173, 111, 69, 81},
         {311, 3, 65, 106},
         {378, 3, 105, 106},
         {101, 3, 141, 106},
         {2, 33, 139, 72},
         105,
         2,
         false,
         false,
         false,
         false},
        {Layout::Medium,
         316,
         311,
         {101, 111, 70, 81},
         {173, 111, 69, 81},
         {244, 86, 65, 106},
         {244, 3, 65, 80},
         {101, 3, 141, 106},
         {2, 33, 139, 72},
         65,
         65,
         true,
         true,
         true,
         false},
        {Layout::Large,
         492,
         311,
         {101, 3, 208, 106},
         {101, 111, 208, 81},
         {311, 3, 65, 106},
         {378, 3, 105, 106},
         {311, 111, 172, 168},
         {3, 32, 167, 134},
         105,
         106,
         true,
         true,
         true,
         true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(static_cast<int>(row.layout));
        Fixture f;
        ChangeLayout(f.geometry, f.state, f.record, row.layout);
        const LayoutGeometry &g = f.geometry;
        EXPECT_EQ(g.outerWidth, row.outerWidth);
        EXPECT_EQ(g.outerHeight, row.outerHeight);
        EXPECT_EQ(g.rgb, row.rgb);
        EXPECT_EQ(g.hsv, row.hsv);
        if (row.buttonsVisible)
            EXPECT_EQ(g.buttons, row.buttons);
        if (row.circleVisible)
            EXPECT_EQ(g.circle, row.circle);
        EXPECT_EQ(g.magnifier, row.magnifier);
        EXPECT_EQ(g.magnifierArea, row.magnifierArea);
        EXPECT_EQ(g.wheelWidth, row.wheelWidth);
        EXPECT_EQ(g.wheelHeight, row.wheelHeight);
        EXPECT_EQ(g.buttonsVisible, row.buttonsVisible);
        EXPECT_EQ(g.circleVisible, row.circleVisible);
        EXPECT_EQ(g.paletteVisible, row.paletteVisible);
        EXPECT_EQ(g.detailsVisible, row.detailsVisible);
        EXPECT_EQ(g.palette, (PanelRect{3, 194, 306, 53}));
        EXPECT_EQ(f.state.oLayout, row.layout);
    }
}

TEST(ChangeLayout, LabelRowsEndWhereTheyBelongInEveryOrder)
{
    struct Step {
        Layout layout;
        int nudge;
    };
    const Step sequence[] = {{Layout::Small, -2}, {Layout::Medium, -2}, {Layout::Large, 0}, {Layout::Small, -2},
                             {Layout::Small, -2}, {Layout::Large, 0},   {Layout::Large, 0}, {Layout::Medium, -2}};
    Fixture f;
    for (const Step &step : sequence) {
        ChangeLayout(f.geometry, f.state, f.record, step.layout);
        EXPECT_EQ(f.geometry.labelNudge, step.nudge) << "after layout " << static_cast<int>(step.layout);
        // The layout command then clears the other ticks and keeps the new one.
        f.state.checks = {step.layout == Layout::Small, step.layout == Layout::Medium, step.layout == Layout::Large};
    }
}

TEST(ChangeLayout, SameLayoutAgainRecomputesTheSameGeometry)
{
    Fixture f;
    ChangeLayout(f.geometry, f.state, f.record, Layout::Medium);
    const LayoutGeometry once = f.geometry;
    ChangeLayout(f.geometry, f.state, f.record, Layout::Medium);
    EXPECT_EQ(f.geometry, once);
}

TEST(ChangeLayout, UnknownCodeChangesOnlyTheCodeInForce)
{
    Fixture f;
    ChangeLayout(f.geometry, f.state, f.record, static_cast<Layout>(7));
    EXPECT_EQ(f.geometry, DesignLayoutGeometry());
    EXPECT_EQ(f.state.oLayout, static_cast<Layout>(7));
    EXPECT_EQ(f.state.checks, LayoutChecks{});
    // With no item checked, the next change treats the window as Large.
    ChangeLayout(f.geometry, f.state, f.record, Layout::Small);
    EXPECT_EQ(f.geometry.labelNudge, -2);
    EXPECT_EQ(f.geometry.outerWidth, 251);
}

TEST(ChangeLayout, ScalesWithTheDisplayDensity)
{
    // At 144 pixels per inch the platform made the design window 1.5 times larger.
    LayoutGeometry atCreation = DesignLayoutGeometry();
    atCreation.outerWidth = 738;
    atCreation.outerHeight = 467;
    LayoutState state;
    const LayoutRecord record = RecordLayout(atCreation);
    ChangeLayout(atCreation, state, record, Layout::Small);
    EXPECT_EQ(atCreation.outerWidth, 376);
    EXPECT_EQ(atCreation.outerHeight, 334);
}

// Large gives the editors the width that ends them where the palette below
// ends, not the width at creation scaled: where the platform rounded the
// panels apart, the buttons still sit one gap to the editors' right.
TEST(ChangeLayout, LargeEditorsEndWhereThePaletteEnds)
{
    struct Row {
        const char *name;
        PanelRect rgb, palette, colorCode;
        int outerWidth;
        int width;
    };
    const Row rows[] = {
        {"design", {101, 3, 208, 106}, {3, 194, 306, 53}, {3, 111, 96, 81}, 492, 208},
        {"editors rounded a pixel wider", {126, 4, 261, 132}, {4, 242, 382, 66}, {4, 139, 120, 101}, 615, 260},
        {"editors rounded a pixel narrower", {126, 4, 259, 132}, {4, 242, 382, 66}, {4, 139, 120, 101}, 615, 260},
    };
    for (const Row &row : rows) {
        LayoutGeometry g = DesignLayoutGeometry();
        g.rgb = row.rgb;
        g.palette = row.palette;
        g.colorCode = row.colorCode;
        g.outerWidth = row.outerWidth;
        const LayoutRecord record = RecordLayout(g);
        LayoutState state;
        for (Layout layout : {Layout::Small, Layout::Large}) {
            ChangeLayout(g, state, record, layout);
            state.checks = {layout == Layout::Small, false, layout == Layout::Large};
        }
        const int gap = row.rgb.left - row.colorCode.left - row.colorCode.width;
        EXPECT_EQ(g.rgb.width, row.width) << row.name;
        EXPECT_EQ(g.hsv.width, row.width) << row.name;
        EXPECT_EQ(g.rgb.left + g.rgb.width, g.palette.left + g.palette.width) << row.name;
        EXPECT_EQ(g.buttons.left, g.rgb.left + g.rgb.width + gap) << row.name;
    }
}

} // namespace
} // namespace pigmentrix
