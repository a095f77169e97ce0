#pragma once

#include <string>

namespace pigmentrix {

// Whether the X display of that name ("" for DISPLAY's) accepts a connection.
bool CanOpenX11Display(const std::string &display);

} // namespace pigmentrix
