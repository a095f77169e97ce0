#include "sampling/screen_sampler.h"

#include "sampling/x11_screen_sampler.h"

#include <QGuiApplication>

namespace pigmentrix {

std::unique_ptr<ScreenSampler> CreateScreenSampler()
{
    // Only on X11 do the pointer and the pixels Qt sees match the X server's
    // root window.
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        if (std::unique_ptr<ScreenSampler> x11 = X11ScreenSampler::open())
            return x11;
    }
    return std::make_unique<UnreadableScreen>();
}

bool ScreenReadThroughPortal()
{
    const QString platform = QGuiApplication::platformName();
    return platform.startsWith(QLatin1String("wayland"))
           || (platform == QLatin1String("xcb") && qEnvironmentVariableIsSet("WAYLAND_DISPLAY"));
}

} // namespace pigmentrix
