#pragma once

#include <lcms2.h>

namespace pigmentrix {

// The few LittleCMS calls the display profiles need, from the library
// loaded the first time a profile is read: a picker on a display without a
// profile never maps it.
struct LittleCms {
    decltype(&cmsOpenProfileFromMem) openProfileFromMem;
    decltype(&cmsCloseProfile) closeProfile;
    decltype(&cmsGetColorSpace) getColorSpace;
    decltype(&cmsGetProfileInfo) getProfileInfo;
    decltype(&cmsCreate_sRGBProfile) createSrgbProfile;
    decltype(&cmsCreateTransform) createTransform;
    decltype(&cmsDoTransform) doTransform;
    decltype(&cmsDeleteTransform) deleteTransform;
};

// nullptr where the library or one of its calls is missing.
const LittleCms *LoadLittleCms();

} // namespace pigmentrix
