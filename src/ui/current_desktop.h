#pragma once

#include <QLatin1String>
#include <QString>
#include <QStringList>

namespace pigmentrix {

// Whether the session runs the desktop of that name (GNOME, KDE, sway, ...),
// as XDG_CURRENT_DESKTOP lists it.
inline bool CurrentDesktopIs(QLatin1String name)
{
    return qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':')).contains(name, Qt::CaseInsensitive);
}

} // namespace pigmentrix
