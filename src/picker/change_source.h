#pragma once

namespace pigmentrix {

// Which editor a colour change comes from; the update pipeline reads the new
// colour there and leaves that editor's own text as the user left it.
enum class ChangeSource {
    Refresh = 0, // every editor is rewritten from the colour
    RgbBoxes = 2, // the red, green and blue boxes (and the alpha box)
    RgbSliders = 3, // the red, green, blue, brightness and alpha sliders
    HsvBoxes = 4, // the hue, saturation and value boxes
    HsvSliders = 5, // the hue and saturation sliders
    Magnifier = 6, // a pixel picked in the magnifier
    ValueSlider = 9,
};

} // namespace pigmentrix
