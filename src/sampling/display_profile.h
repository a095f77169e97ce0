#pragma once

#include "model/color.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace pigmentrix {

struct LittleCms;

// A display's ICC profile made ready to turn the display's device values
// into the sRGB values a colour-managed program drew them from: relative
// colorimetric, without black-point compensation, through the profile's own
// curves and tables (matrix and LUT profiles alike) evaluated in floating
// point, each channel rounded to the nearest step at the end.
class DisplayProfile {
public:
    // nullptr when the bytes are no RGB profile LittleCMS can read, or when
    // LittleCMS is not installed.
    static std::shared_ptr<const DisplayProfile> read(const QByteArray &icc);
    ~DisplayProfile();

    DisplayProfile(const DisplayProfile &) = delete;
    DisplayProfile &operator=(const DisplayProfile &) = delete;

    // The profile's own name for itself (its description tag).
    const QString &description() const { return name; }
    TColor toSrgb(TColor device) const;

private:
    DisplayProfile(const LittleCms &cms, void *transform, QString description);

    const LittleCms &cms;
    void *transform;
    QString name;
};

} // namespace pigmentrix
