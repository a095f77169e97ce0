#include "sampling/display_profile.h"

#include "sampling/little_cms.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace pigmentrix {

namespace {

struct ProfileCloser {
    const LittleCms *cms;
    void operator()(void *profile) const { cms->closeProfile(static_cast<cmsHPROFILE>(profile)); }
};
using ProfileHandle = std::unique_ptr<void, ProfileCloser>;

QString DescriptionOf(const LittleCms &cms, cmsHPROFILE profile)
{
    const cmsUInt32Number size = cms.getProfileInfo(profile, cmsInfoDescription, "en", "US", nullptr, 0);
    if (size == 0)
        return QString();
    std::vector<wchar_t> text(size / sizeof(wchar_t) + 1, L'\0');
    cms.getProfileInfo(profile, cmsInfoDescription, "en", "US", text.data(), size);
    return QString::fromWCharArray(text.data()).trimmed();
}

int ToByte(double channel)
{
    return std::clamp(static_cast<int>(std::lround(channel * 255.0)), 0, 255);
}

} // namespace

std::shared_ptr<const DisplayProfile> DisplayProfile::read(const QByteArray &icc)
{
    const LittleCms *cms = icc.isEmpty() ? nullptr : LoadLittleCms();
    if (!cms)
        return nullptr;
    const ProfileHandle display(cms->openProfileFromMem(icc.constData(), static_cast<cmsUInt32Number>(icc.size())),
                                ProfileCloser{cms});
    if (!display || cms->getColorSpace(display.get()) != cmsSigRgbData)
        return nullptr;
    const ProfileHandle srgb(cms->createSrgbProfile(), ProfileCloser{cms});
    // The optimised paths round through 8 or 16 bits and fold tables: off by
    // several steps on LUT profiles.
    cmsHTRANSFORM transform =
        cms->createTransform(display.get(), TYPE_RGB_DBL, srgb.get(), TYPE_RGB_DBL, INTENT_RELATIVE_COLORIMETRIC,
                             cmsFLAGS_NOOPTIMIZE | cmsFLAGS_NOCACHE);
    if (!transform)
        return nullptr;
    return std::shared_ptr<const DisplayProfile>(
        new DisplayProfile(*cms, transform, DescriptionOf(*cms, display.get())));
}

DisplayProfile::DisplayProfile(const LittleCms &cms, void *transform, QString description)
    : cms(cms)
    , transform(transform)
    , name(std::move(description))
{
}

DisplayProfile::~DisplayProfile()
{
    cms.deleteTransform(static_cast<cmsHTRANSFORM>(transform));
}

TColor DisplayProfile::toSrgb(TColor device) const
{
    const std::array<double, 3> in{RedOf(device) / 255.0, GreenOf(device) / 255.0, BlueOf(device) / 255.0};
    std::array<double, 3> out{};
    cms.doTransform(static_cast<cmsHTRANSFORM>(transform), in.data(), out.data(), 1);
    return ComposeColor(ToByte(out[0]), ToByte(out[1]), ToByte(out[2]));
}

} // namespace pigmentrix
