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
        int layout;
        int outerWidth, outerHeight;
        PanelRect rgb, hsv, buttons, circle, magnifier, magnifierArea;
        int wheelWidth, wheelHeight;
        bool buttonsVisible, circleVisible, paletteVisible, detailsVisible;
    };
    const Row rows[] = {
        {LayoutSmall, 251, 223, {101, 111, 70, 81}, {173, 111, 69, 81}, {311, 3, 65, 106}, {378, 3, 105, 106},
         {101, 3, 141, 106}, {2, 33, 139, 72}, 105, 2, false, false, false, false},
        {LayoutMedium, 316, 311, {101, 111, 70, 81}, {173, 111, 69, 81}, {244, 86, 65, 106}, {244, 3, 65, 80},
         {101, 3, 141, 106}, {2, 33, 139, 72}, 65, 65, true, true, true, false},
        {LayoutLarge, 492, 311, {101, 3, 208, 106}, {101, 111, 208, 81}, {311, 3, 65, 106}, {378, 3, 105, 106},
         {311, 111, 172, 168}, {3, 32, 167, 134}, 105, 106, true, true, true, true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.layout);
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
        int layout;
        int nudge;
    };
    const Step sequence[] = {{LayoutSmall, -2}, {LayoutMedium, -2}, {LayoutLarge, 0}, {LayoutSmall, -2},
                             {LayoutSmall, -2}, {LayoutLarge, 0},   {LayoutLarge, 0}, {LayoutMedium, -2}};
    Fixture f;
    for (const Step &step : sequence) {
        ChangeLayout(f.geometry, f.state, f.record, step.layout);
        EXPECT_EQ(f.geometry.labelNudge, step.nudge) << "after layout " << step.layout;
        // The layout command then clears the other ticks and keeps the new one.
        f.state.checks = {step.layout == LayoutSmall, step.layout == LayoutMedium, step.layout == LayoutLarge};
    }
}

TEST(ChangeLayout, SameLayoutAgainRecomputesTheSameGeometry)
{
    Fixture f;
    ChangeLayout(f.geometry, f.state, f.record, LayoutMedium);
    const LayoutGeometry once = f.geometry;
    ChangeLayout(f.geometry, f.state, f.record, LayoutMedium);
    EXPECT_EQ(f.geometry, once);
}

TEST(ChangeLayout, UnknownCodeChangesOnlyTheCodeInForce)
{
    Fixture f;
    ChangeLayout(f.geometry, f.state, f.record, 7);
    EXPECT_EQ(f.geometry, DesignLayoutGeometry());
    EXPECT_EQ(f.state.oLayout, 7);
    EXPECT_EQ(f.state.checks, LayoutChecks{});
    // With no item checked, the next change treats the window as Large.
    ChangeLayout(f.geometry, f.state, f.record, LayoutSmall);
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
    ChangeLayout(atCreation, state, record, LayoutSmall);
    EXPECT_EQ(atCreation.outerWidth, 376);
    EXPECT_EQ(atCreation.outerHeight, 334);
}

} // namespace
} // namespace pigmentrix
