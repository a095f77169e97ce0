#pragma once

namespace pigmentrix {

// Which chart the HSV picture shows, with the number the settings keep; any
// number other than the wheel's and the square's shows the HSV rectangle.
enum class DisplayMode : int { ColorWheel = 1, SVSquare = 2, HSVRectangle = 3 };

} // namespace pigmentrix
