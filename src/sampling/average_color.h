#pragma once

#include "model/color.h"
#include "sampling/screen_colors.h"
#include "sampling/screen_sampler.h"

#include <QImage>

#include <optional>

namespace pigmentrix {

// The mean of the block's red, green and blue bytes, each sum divided by the
// number of pixels with truncation (eight black pixels and one white give
// 28, 28, 28). Pixels beyond the desktop (transparent) take no part, so a
// block at the desktop's edge is not darkened by pixels that do not exist;
// nullopt when no pixel of the block is on the desktop.
std::optional<TColor> AverageBlockColor(const QImage &block);

// The mean colour of the size x size block centred on (xpos, ypos): columns
// xpos - size div 2 ... xpos + size div 2, rows likewise. With a conversion,
// the mean of the converted colours.
std::optional<TColor> GetAverageColor(ScreenSampler &screen, int xpos, int ypos, int size,
                                      const ScreenColors *conversion = nullptr);

} // namespace pigmentrix
