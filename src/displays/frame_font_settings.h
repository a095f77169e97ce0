#pragma once

#include "model/color.h"
#include "storage/frame_font.h"

#include <QFont>

namespace pigmentrix {

// The colour frame's font as the settings keep it. Face, pixel height (and
// the point size at 96 pixels per inch), style, pitch and smoothing come from
// font; what a QFont cannot hold (character set, orientation, a finer
// quality) from kept, the values last read.
FontSettings FrameFontSettings(const QFont &font, TColor color, const FontSettings &kept);

// base with the stored face, height and style. The stored face goes first
// and base's faces stay behind it as fallbacks; a negative "Height" is the
// exact pixel height, else "Size" in points decides.
QFont FrameFontFrom(const FontSettings &stored, const QFont &base);

} // namespace pigmentrix
