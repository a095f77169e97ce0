#include "sampling/little_cms.h"

#include <QLibrary>

namespace pigmentrix {

namespace {

template <typename Function>
bool Resolve(QLibrary &library, const char *name, Function &function)
{
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}

} // namespace

const LittleCms *LoadLittleCms()
{
    static const LittleCms *const loaded = []() -> const LittleCms * {
        // The library stays loaded for the rest of the run.
        static QLibrary library(QStringLiteral("lcms2"), 2);
        static LittleCms calls{};
        if (!library.load())
            return nullptr;
        const bool complete = Resolve(library, "cmsOpenProfileFromMem", calls.openProfileFromMem)
                              && Resolve(library, "cmsCloseProfile", calls.closeProfile)
                              && Resolve(library, "cmsGetColorSpace", calls.getColorSpace)
                              && Resolve(library, "cmsGetProfileInfo", calls.getProfileInfo)
                              && Resolve(library, "cmsCreate_sRGBProfile", calls.createSrgbProfile)
                              && Resolve(library, "cmsCreateTransform", calls.createTransform)
                              && Resolve(library, "cmsDoTransform", calls.doTransform)
                              && Resolve(library, "cmsDeleteTransform", calls.deleteTransform);
        return complete ? &calls : nullptr;
    }();
    return loaded;
}

} // namespace pigmentrix
