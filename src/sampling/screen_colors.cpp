#include "sampling/screen_colors.h"

#include <QStringList>

#include <algorithm>

namespace pigmentrix {

void ScreenColors::refresh(const std::vector<QRect> &monitorPlaces, const ProfileReader &read)
{
    std::vector<Monitor> fresh;
    for (std::size_t i = 0; i < monitorPlaces.size(); ++i) {
        Monitor monitor{monitorPlaces[i], read(static_cast<int>(i)), nullptr};
        if (i < monitors.size() && monitors[i].published == monitor.published)
            monitor.profile = monitors[i].profile;
        else
            monitor.profile = DisplayProfile::read(monitor.published);
        fresh.push_back(std::move(monitor));
    }
    monitors = std::move(fresh);
}

bool ScreenColors::converting() const
{
    return mode == Mode::Converted
           && std::any_of(monitors.begin(), monitors.end(), [](const Monitor &monitor) { return monitor.profile; });
}

bool ScreenColors::profileUnreadable() const
{
    return std::any_of(monitors.begin(), monitors.end(),
                       [](const Monitor &monitor) { return !monitor.published.isEmpty() && !monitor.profile; });
}

QString ScreenColors::descriptions() const
{
    QStringList names;
    for (const Monitor &monitor : monitors) {
        if (monitor.profile && !names.contains(monitor.profile->description()))
            names.append(monitor.profile->description());
    }
    return names.join(QStringLiteral(", "));
}

const DisplayProfile *ScreenColors::profileAt(QPoint at) const
{
    if (mode != Mode::Converted)
        return nullptr;
    for (const Monitor &monitor : monitors) {
        if (monitor.place.contains(at))
            return monitor.profile.get();
    }
    return nullptr;
}

TColor ScreenColors::convert(QPoint at, TColor device) const
{
    const DisplayProfile *profile = profileAt(at);
    return profile ? profile->toSrgb(device) : device;
}

void ScreenColors::convert(QImage &block, QPoint origin) const
{
    for (int y = 0; y < block.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(block.scanLine(y));
        for (int x = 0; x < block.width(); ++x) {
            const DisplayProfile *profile = profileAt(origin + QPoint(x, y));
            if (!profile || qAlpha(row[x]) == 0)
                continue;
            const TColor converted = profile->toSrgb(ComposeColor(qRed(row[x]), qGreen(row[x]), qBlue(row[x])));
            row[x] = qRgb(RedOf(converted), GreenOf(converted), BlueOf(converted));
        }
    }
}

} // namespace pigmentrix
