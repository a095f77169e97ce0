#pragma once

#include "model/color.h"
#include "sampling/display_profile.h"

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace pigmentrix {

// How the eyedropper hands on what it reads from a screen that shows device
// values: as the display shows them, or converted to sRGB through each
// monitor's ICC profile. A monitor without a profile is taken as sRGB.
class ScreenColors {
public:
    enum class Mode { Native, Converted };

    // Each monitor's place on the root window in physical pixels, and how to
    // read its published profile.
    using ProfileReader = std::function<QByteArray(int monitor)>;

    void setMode(Mode chosen) { mode = chosen; }
    Mode chosenMode() const { return mode; }

    // Reads every monitor's profile again; a profile that did not change is
    // kept as it was made.
    void refresh(const std::vector<QRect> &monitorPlaces, const ProfileReader &read);

    // Whether reads are converted: the user chose so and a profile is set.
    bool converting() const;
    // A profile is set that cannot be used: its monitor stays native.
    bool profileUnreadable() const;
    // The profiles in use, by their descriptions ("" for none).
    QString descriptions() const;

    // The colour of the device pixel at a root position, as chosen.
    TColor convert(QPoint at, TColor device) const;
    // Every opaque pixel of an ARGB32 block whose top-left pixel lies at origin.
    void convert(QImage &block, QPoint origin) const;

private:
    struct Monitor {
        QRect place;
        QByteArray published;
        std::shared_ptr<const DisplayProfile> profile;
    };
    const DisplayProfile *profileAt(QPoint at) const;

    Mode mode = Mode::Converted;
    std::vector<Monitor> monitors;
};

} // namespace pigmentrix
