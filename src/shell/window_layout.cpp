#include "shell/window_layout.h"

#include "model/rounding.h"

namespace pigmentrix {
namespace {

// The outer widths of the three layouts at 96 pixels per inch: the present
// width over the one of the layout in force tells how much the window has
// been scaled since it was created.
constexpr double LargeOuterWidth = 492;
constexpr double MediumOuterWidth = 316;
constexpr double SmallOuterWidth = 251;
constexpr double SmallOuterHeight = 223;
// Medium is as wide as the palette and this margin.
constexpr double MediumMargin = 10;
// The narrow editor panels of Small and Medium.
constexpr double NarrowRgbWidth = 70;
constexpr double NarrowHsvWidth = 69;
// The magnifier picture's place inside its panel: below the grab button and
// the zoom list, in from the panel's edge.
constexpr double MagnifierAreaTop = 32;
constexpr double CompactMagnifierAreaLeft = 2;
constexpr double LargeMagnifierAreaLeft = 3;
// The twelve labelled editor rows sit this much higher in Small and Medium.
constexpr int CompactLabelNudge = 2;

// Rounds a product of the Single fields taken as doubles, ties to even.
int R(double x)
{
    return static_cast<int>(Round(x));
}

// What every layout reads: the scale factors and the gap between panels.
struct Scaling {
    double m = 1; // how much the window was scaled since it was created
    double s = 1; // the scale at creation
    int a = 0; // the gap between neighbouring panels
};

void NarrowEditorPanels(LayoutGeometry &g, const Scaling &k)
{
    g.rgb.width = R(k.m * NarrowRgbWidth * k.s);
    g.rgb.top = g.colorCode.top;
    g.rgb.height = g.hsv.height;
    g.hsv.width = R(k.m * NarrowHsvWidth * k.s);
    g.hsv.top = g.colorCode.top;
    g.hsv.left = g.rgb.left + g.rgb.width + k.a;
}

void CompactMagnifier(LayoutGeometry &g, const LayoutRecord &record, const Scaling &k)
{
    g.magnifier.width = g.rgb.width + g.hsv.width + k.a;
    g.magnifier.top = g.circle.top;
    g.magnifier.height = R(record.hRGB * k.m);
    g.magnifier.left = g.rgb.left;
    g.magnifierArea.width = g.magnifier.width - 2;
    g.magnifierArea.top = R(k.m * MagnifierAreaTop * k.s) + 1;
    g.magnifierArea.height = R(record.hRGB * k.m) - R(k.m * MagnifierAreaTop * k.s) - 2;
    g.magnifierArea.left = R(k.m * CompactMagnifierAreaLeft * k.s);
}

// Small and Medium hide the coordinates and the channel sliders and narrow
// the editors; the rows move up when the window comes from Large.
void CompactEditors(LayoutGeometry &g, const Scaling &k, bool wasLargeOrNone)
{
    g.detailsVisible = false;
    NarrowEditorPanels(g, k);
    if (wasLargeOrNone)
        g.labelNudge -= CompactLabelNudge;
}

void SmallLayout(LayoutGeometry &g, const LayoutRecord &record, const Scaling &k, bool wasLargeOrNone)
{
    g.outerWidth = R(k.m * SmallOuterWidth * k.s);
    g.outerHeight = R(k.m * SmallOuterHeight * k.s);
    CompactEditors(g, k, wasLargeOrNone);
    g.buttonsVisible = false;
    CompactMagnifier(g, record, k);
    g.circleVisible = false;
    g.paletteVisible = false;
    g.wheelWidth = record.wcir;
    g.wheelHeight = 2;
}

void MediumLayout(LayoutGeometry &g, const LayoutRecord &record, const Scaling &k, bool wasLargeOrNone)
{
    g.outerWidth = R(g.palette.width + k.m * MediumMargin * k.s);
    g.outerHeight = R(record.hFrm * k.m);
    CompactEditors(g, k, wasLargeOrNone);
    g.buttonsVisible = true;
    g.buttons.top = g.hsv.top + g.hsv.height - g.buttons.height;
    g.buttons.left = g.palette.left + g.palette.width - g.buttons.width;
    CompactMagnifier(g, record, k);
    g.circleVisible = true;
    g.circle.width = g.buttons.width;
    g.circle.height = g.magnifier.height + g.rgb.height - g.buttons.height - 1;
    g.circle.left = g.buttons.left;
    g.paletteVisible = true;
    g.wheelWidth = g.circle.width;
    g.wheelHeight = g.wheelWidth;
}

void LargeLayout(LayoutGeometry &g, const LayoutRecord &record, const Scaling &k, bool wasCompact)
{
    g.outerWidth = R(record.wFrm * k.m);
    g.outerHeight = R(record.hFrm * k.m);
    g.detailsVisible = true;
    // The editors end where the palette below them ends, so that the buttons
    // panel sits one gap to their right without overlapping them; a width
    // scaled from the one at creation could be a pixel off.
    g.rgb.width = g.palette.width - g.colorCode.width - k.a;
    g.rgb.top = g.circle.top;
    g.rgb.height = R(record.hRGB * k.m);
    g.hsv.width = g.rgb.width;
    g.hsv.top = g.colorCode.top;
    g.hsv.left = g.rgb.left;
    g.buttonsVisible = true;
    g.buttons.top = g.circle.top;
    g.buttons.height = g.rgb.height;
    g.buttons.left = g.palette.left + g.palette.width + k.a;
    g.magnifier.width = R(record.wmag * k.m);
    g.magnifier.top = g.colorCode.top;
    g.magnifier.height = R(record.hmag * k.m);
    g.magnifier.left = g.buttons.left;
    g.magnifierArea.width = R(record.wMagAr * k.m);
    g.magnifierArea.top = R(k.m * MagnifierAreaTop * k.s);
    g.magnifierArea.height = R(record.hMagAr * k.m);
    g.magnifierArea.left = R(k.m * LargeMagnifierAreaLeft * k.s);
    g.circleVisible = true;
    g.circle.width = R(record.wcir * k.m);
    g.circle.height = R(record.hcir * k.m);
    g.circle.left = R(record.lcir * k.m);
    g.paletteVisible = true;
    g.wheelWidth = g.circle.width;
    g.wheelHeight = g.circle.height;
    if (wasCompact)
        g.labelNudge += CompactLabelNudge;
}

// m: the present outer width over the one of the layout in force; an
// unknown layout keeps the factor it had.
void RescaleFactor(LayoutState &state, int outerWidth, double s)
{
    switch (state.oLayout) {
    case Layout::Large: state.myscalefactor = static_cast<float>(outerWidth / (s * LargeOuterWidth)); break;
    case Layout::Medium: state.myscalefactor = static_cast<float>(outerWidth / (s * MediumOuterWidth)); break;
    case Layout::Small: state.myscalefactor = static_cast<float>(outerWidth / (s * SmallOuterWidth)); break;
    default: break;
    }
}

} // namespace

LayoutGeometry DesignLayoutGeometry()
{
    LayoutGeometry g;
    g.outerWidth = design::ClientWidth + 2 * design::FrameWidth;
    g.outerHeight = design::ClientHeight + design::CaptionHeight + 2 * design::FrameWidth;
    g.rgb = design::RgbPanel;
    g.hsv = design::HsvPanel;
    g.buttons = design::ButtonsPanel;
    g.circle = design::CirclePanel;
    g.magnifier = design::MagnifierPanel;
    g.magnifierArea = design::MagnifierArea;
    g.palette = design::PalettePanel;
    g.colorCode = design::ColorCodePanel;
    g.wheelWidth = design::CirclePanel.width;
    g.wheelHeight = design::CirclePanel.height;
    return g;
}

LayoutRecord RecordLayout(const LayoutGeometry &g)
{
    LayoutRecord record;
    record.hFrm = g.outerHeight;
    record.wFrm = g.outerWidth;
    record.hRGB = g.rgb.height;
    record.hmag = g.magnifier.height;
    record.wmag = g.magnifier.width;
    record.hcir = g.circle.height;
    record.wcir = g.circle.width;
    record.lcir = g.circle.left;
    record.wMagAr = g.magnifierArea.width;
    record.hMagAr = g.magnifierArea.height;
    record.scale = static_cast<float>(g.outerWidth / LargeOuterWidth);
    return record;
}

void ChangeLayout(LayoutGeometry &g, LayoutState &state, const LayoutRecord &record, Layout mLayout)
{
    RescaleFactor(state, g.outerWidth, record.scale);
    const Scaling k{state.myscalefactor, record.scale, g.rgb.left - g.colorCode.left - g.colorCode.width};
    const bool wasLargeOrNone = state.checks.large || !(state.checks.small || state.checks.medium);
    const bool wasCompact = state.checks.small || state.checks.medium;
    switch (mLayout) {
    case Layout::Small:
        SmallLayout(g, record, k, wasLargeOrNone);
        state.checks.small = true;
        break;
    case Layout::Medium:
        MediumLayout(g, record, k, wasLargeOrNone);
        state.checks.medium = true;
        break;
    case Layout::Large:
        LargeLayout(g, record, k, wasCompact);
        state.checks.large = true;
        break;
    default: break;
    }
    state.oLayout = mLayout;
}

} // namespace pigmentrix
