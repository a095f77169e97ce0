#pragma once

#include "model/view_choices.h"
#include "ui/window_geometry.h"

namespace pigmentrix {

// Everything a layout change moves, resizes, shows or hides.
struct LayoutGeometry {
    int outerWidth = 0;
    int outerHeight = 0;
    PanelRect rgb;
    PanelRect hsv;
    PanelRect buttons;
    PanelRect circle;
    PanelRect magnifier;
    PanelRect magnifierArea; // inside the magnifier panel
    PanelRect palette;
    PanelRect colorCode;
    int wheelWidth = 0; // the picture inside the circle panel
    int wheelHeight = 0;
    bool buttonsVisible = true;
    bool circleVisible = true;
    bool paletteVisible = true;
    // The coordinate labels and the six channel sliders.
    bool detailsVisible = true;
    // How far the twelve labelled editor rows sit above their design place.
    int labelNudge = 0;
    friend bool operator==(const LayoutGeometry &, const LayoutGeometry &) = default;
};

// The sizes recorded when the window was created, before any layout.
struct LayoutRecord {
    int hFrm = 0;
    int wFrm = 0;
    int hRGB = 0;
    int hmag = 0;
    int wmag = 0;
    int hcir = 0;
    int wcir = 0;
    int lcir = 0;
    int wMagAr = 0;
    int hMagAr = 0;
    float scale = 1.0f; // s: outer width at creation / 492
};

// The check marks of "Small", "Medium" and "Large".
struct LayoutChecks {
    bool small = false;
    bool medium = false;
    bool large = false;
    friend bool operator==(const LayoutChecks &, const LayoutChecks &) = default;
};

// The state a layout change reads and writes besides the geometry.
struct LayoutState {
    Layout oLayout = Layout::Large;
    float myscalefactor = 1.0f; // m
    LayoutChecks checks;
};

// The design geometry at 96 pixels per inch, which is also "Large".
LayoutGeometry DesignLayoutGeometry();

// Records the creation sizes from the geometry the window has then.
LayoutRecord RecordLayout(const LayoutGeometry &atCreation);

// Arranges the window in layout mLayout; a code other than 0, 1 or 2 changes
// nothing but oLayout. Sets the new layout's check mark and clears none.
void ChangeLayout(LayoutGeometry &geometry, LayoutState &state, const LayoutRecord &record, Layout mLayout);

} // namespace pigmentrix
