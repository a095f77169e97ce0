#pragma once

namespace pigmentrix {

// Layout codes, as the layout menu items carry them and the settings keep
// them; an unknown code stays in force without moving anything.
enum class Layout : int { Small = 0, Medium = 1, Large = 2 };

// Which chart the HSV picture shows, with the number the settings keep; any
// number other than the wheel's and the square's shows the HSV rectangle.
enum class DisplayMode : int { ColorWheel = 1, SVSquare = 2, HSVRectangle = 3 };

} // namespace pigmentrix
