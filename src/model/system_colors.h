#pragma once

#include "color.h"

namespace pigmentrix {

// The classic desktop scheme's colour for a system colour number 0..30
// (scroll bar 0, desktop 1, ... menu bar 30); black for any other number.
TColor ClassicSystemColor(int systemColorNumber);

} // namespace pigmentrix
