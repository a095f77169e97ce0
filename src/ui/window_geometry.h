#pragma once

#include <QRect>
#include <QSize>

namespace pigmentrix {

// A panel's place in the window's client area, in pixels.
struct PanelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const PanelRect &, const PanelRect &) = default;
};

QRect ToQRect(const PanelRect &rect);

// The window as designed at 96 pixels per inch, which is also the "Large"
// layout: every panel is built at its place here, and the layouts start
// from these values.
namespace design {

inline constexpr int ClientWidth = 486;
inline constexpr int ClientHeight = 282;
// The design window's frame: the layouts size the outer window, Qt sizes the
// client area, and the difference is this frame.
inline constexpr int FrameWidth = 3;
inline constexpr int CaptionHeight = 23;

inline constexpr PanelRect ColorFrame{3, 3, 96, 106}; // pnlColor
inline constexpr PanelRect RgbPanel{101, 3, 208, 106}; // pnlRGB
inline constexpr PanelRect HsvPanel{101, 111, 208, 81}; // pnlHSV
inline constexpr PanelRect ButtonsPanel{311, 3, 65, 106}; // pnlButtons
inline constexpr PanelRect CirclePanel{378, 3, 105, 106}; // pnlCircle, and imgColorWheel's size
inline constexpr PanelRect MagnifierPanel{311, 111, 172, 168}; // pnlMagnifier
inline constexpr PanelRect MagnifierArea{3, 32, 167, 134}; // pnlMagnifierArea, inside pnlMagnifier
inline constexpr PanelRect PalettePanel{3, 194, 306, 53}; // pnlPalette
inline constexpr PanelRect ColorCodePanel{3, 111, 96, 81}; // pnlColorCode

constexpr QSize ClientSize()
{
    return {ClientWidth, ClientHeight};
}

} // namespace design
} // namespace pigmentrix
