#include "picker/app_version.h"

#include "app_version_config.h"

namespace pigmentrix {

std::string GetAppVersion()
{
    return std::to_string(PIGMENTRIX_VERSION_MAJOR) + "." + std::to_string(PIGMENTRIX_VERSION_MINOR);
}

} // namespace pigmentrix
