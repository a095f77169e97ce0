#pragma once

#include <string>

namespace pigmentrix {

// The program's own version text, "major.minor".
std::string GetAppVersion();

} // namespace pigmentrix
