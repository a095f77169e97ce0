#include "shell/window_layout.h"

#include "model/rounding.h"

namespace pigmentrix {
namespace {

// Rounds a product of the Single fields taken as doubles, ties to even.
int R(double x)
{
    return static_cast<int>(Round(x));
}

void NarrowEditorPanels(LayoutGeometry &g, double m, double s, int a)
{
    g.rgb.width = R(m * 70 * s);
    g.rgb.top = g.colorCode.top;
    g.rgb.height = g.hsv.height;
    g.hsv.width = R(m * 69 * s);
    g.hsv.top = g.colorCode.top;
    g.hsv.left = g.rgb.left + g.rgb.width + a;
}

void CompactMagnifier(LayoutGeometry &g, const LayoutRecord &record, double m, double s, int a)
{
    g.magnifier.width = g.rgb.width + g.hsv.width + a;
    g.magnifier.top = g.circle.top;
    g.magnifier.height = R(record.hRGB * m);
    g.magnifier.left = g.rgb.left;
    g.magnifierArea.width = g.magnifier.width - 2;
    g.magnifierArea.top = R(m * 32 * s) + 1;
    g.magnifierArea.height = R(record.hRGB * m) - R(m * 32 * s) - 2;
    g.magnifierArea.left = R(m * 2 * s);
}

} // namespace

LayoutGeometry DesignLayoutGeometry()
{
    LayoutGeometry g;
    g.outerWidth = 486 + 2 * DesignFrameWidth;
    g.outerHeight = 282 + DesignCaptionHeight + 2 * DesignFrameWidth;
    g.rgb = {101, 3, 208, 106};
    g.hsv = {101, 111, 208, 81};
    g.buttons = {311, 3, 65, 106};
    g.circle = {378, 3, 105, 106};
    g.magnifier = {311, 111, 172, 168};
    g.magnifierArea = {3, 32, 167, 134};
    g.palette = {3, 194, 306, 53};
    g.colorCode = {3, 111, 96, 81};
    g.wheelWidth = 105;
    g.wheelHeight = 106;
    return g;
}

LayoutRecord RecordLayout(const LayoutGeometry &g)
{
    LayoutRecord record;
    record.hFrm = g.outerHeight;
    record.wFrm = g.outerWidth;
    record.hRGB = g.rgb.height;
    record.wRGB = g.rgb.width;
    record.hmag = g.magnifier.height;
    record.wmag = g.magnifier.width;
    record.hcir = g.circle.height;
    record.wcir = g.circle.width;
    record.lcir = g.circle.left;
    record.wMagAr = g.magnifierArea.width;
    record.hMagAr = g.magnifierArea.height;
    record.scale = static_cast<float>(g.outerWidth / 492.0);
    return record;
}

void ChangeLayout(LayoutGeometry &g, LayoutState &state, const LayoutRecord &record, Layout mLayout)
{
    const double s = record.scale;
    switch (state.oLayout) {
    case Layout::Large: state.myscalefactor = static_cast<float>(g.outerWidth / (s * 492)); break;
    case Layout::Medium: state.myscalefactor = static_cast<float>(g.outerWidth / (s * 316)); break;
    case Layout::Small: state.myscalefactor = static_cast<float>(g.outerWidth / (s * 251)); break;
    default: break;
    }
    const double m = state.myscalefactor;
    const int a = g.rgb.left - g.colorCode.left - g.colorCode.width;
    const bool wasLargeOrNone = state.checks.large || !(state.checks.small || state.checks.medium);
    const bool wasCompact = state.checks.small || state.checks.medium;

    if (mLayout == Layout::Small || mLayout == Layout::Medium) {
        if (mLayout == Layout::Small) {
            g.outerWidth = R(m * 251 * s);
            g.outerHeight = R(m * 223 * s);
        } else {
            g.outerWidth = R(g.palette.width + m * 10 * s);
            g.outerHeight = R(record.hFrm * m);
        }
        g.detailsVisible = false;
        NarrowEditorPanels(g, m, s, a);
        if (mLayout == Layout::Small) {
            g.buttonsVisible = false;
        } else {
            g.buttonsVisible = true;
            g.buttons.top = g.hsv.top + g.hsv.height - g.buttons.height;
            g.buttons.left = g.palette.left + g.palette.width - g.buttons.width;
        }
        CompactMagnifier(g, record, m, s, a);
        if (mLayout == Layout::Small) {
            g.circleVisible = false;
            g.paletteVisible = false;
            g.wheelWidth = record.wcir;
            g.wheelHeight = 2;
        } else {
            g.circleVisible = true;
            g.circle.width = g.buttons.width;
            g.circle.height = g.magnifier.height + g.rgb.height - g.buttons.height - 1;
            g.circle.left = g.buttons.left;
            g.paletteVisible = true;
            g.wheelWidth = g.circle.width;
            g.wheelHeight = g.wheelWidth;
        }
        if (wasLargeOrNone)
            g.labelNudge -= 2;
        (mLayout == Layout::Small ? state.checks.small : state.checks.medium) = true;
    } else if (mLayout == Layout::Large) {
        g.outerWidth = R(record.wFrm * m);
        g.outerHeight = R(record.hFrm * m);
        g.detailsVisible = true;
        g.rgb.width = R(record.wRGB * m);
        g.rgb.width = g.palette.width - g.colorCode.width - a;
        g.rgb.top = g.circle.top;
        g.rgb.height = R(record.hRGB * m);
        g.hsv.width = g.rgb.width;
        g.hsv.top = g.colorCode.top;
        g.hsv.left = g.rgb.left;
        g.buttonsVisible = true;
        g.buttons.top = g.circle.top;
        g.buttons.height = g.rgb.height;
        g.buttons.left = g.palette.left + g.palette.width + a;
        g.magnifier.width = R(record.wmag * m);
        g.magnifier.top = g.colorCode.top;
        g.magnifier.height = R(record.hmag * m);
        g.magnifier.left = g.buttons.left;
        g.magnifierArea.width = R(record.wMagAr * m);
        g.magnifierArea.top = R(m * 32 * s);
        g.magnifierArea.height = R(record.hMagAr * m);
        g.magnifierArea.left = R(m * 3 * s);
        g.circleVisible = true;
        g.circle.width = R(record.wcir * m);
        g.circle.height = R(record.hcir * m);
        g.circle.left = R(record.lcir * m);
        g.paletteVisible = true;
        g.wheelWidth = g.circle.width;
        g.wheelHeight = g.circle.height;
        if (wasCompact)
            g.labelNudge += 2;
        state.checks.large = true;
    }
    state.oLayout = mLayout;
}

} // namespace pigmentrix
