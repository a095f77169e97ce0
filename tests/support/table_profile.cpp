#include "table_profile.h"

#include <lcms2.h>

namespace pigmentrix {

namespace {

cmsInt32Number SampleThrough(const cmsUInt16Number in[], cmsUInt16Number out[], void *transform)
{
    cmsDoTransform(static_cast<cmsHTRANSFORM>(transform), in, out, 1);
    return TRUE;
}

QByteArray Saved(cmsHPROFILE profile)
{
    cmsUInt32Number size = 0;
    if (!cmsSaveProfileToMem(profile, nullptr, &size))
        return QByteArray();
    QByteArray bytes(static_cast<qsizetype>(size), '\0');
    if (!cmsSaveProfileToMem(profile, bytes.data(), &size))
        return QByteArray();
    return bytes;
}

} // namespace

QByteArray TableProfile(const QByteArray &source, const QByteArray &matrixHolder)
{
    cmsHPROFILE sourceProfile = cmsOpenProfileFromMem(source.constData(), static_cast<cmsUInt32Number>(source.size()));
    if (!sourceProfile)
        return QByteArray();
    cmsHPROFILE lab = cmsCreateLab4Profile(nullptr);
    cmsHTRANSFORM toLab = cmsCreateTransform(sourceProfile, TYPE_RGB_16, lab, TYPE_Lab_16, INTENT_RELATIVE_COLORIMETRIC,
                                             cmsFLAGS_NOOPTIMIZE);
    cmsStage *table = cmsStageAllocCLut16bit(nullptr, 33, 3, 3, nullptr);
    cmsStageSampleCLut16bit(table, SampleThrough, toLab, 0);
    // The table between identity curves: the shape a stored table has.
    cmsPipeline *pipeline = cmsPipelineAlloc(nullptr, 3, 3);
    cmsPipelineInsertStage(pipeline, cmsAT_END, cmsStageAllocToneCurves(nullptr, 3, nullptr));
    cmsPipelineInsertStage(pipeline, cmsAT_END, table);
    cmsPipelineInsertStage(pipeline, cmsAT_END, cmsStageAllocToneCurves(nullptr, 3, nullptr));

    cmsHPROFILE made = nullptr;
    if (!matrixHolder.isEmpty()) {
        made = cmsOpenProfileFromMem(matrixHolder.constData(), static_cast<cmsUInt32Number>(matrixHolder.size()));
    } else {
        made = cmsCreateProfilePlaceholder(nullptr);
        cmsSetDeviceClass(made, cmsSigDisplayClass);
        cmsSetColorSpace(made, cmsSigRgbData);
        cmsWriteTag(made, cmsSigMediaWhitePointTag, cmsD50_XYZ());
        cmsMLU *name = cmsMLUalloc(nullptr, 1);
        cmsMLUsetASCII(name, "en", "US", "Display P3 as a table");
        cmsWriteTag(made, cmsSigProfileDescriptionTag, name);
        cmsMLUfree(name);
    }
    QByteArray bytes;
    if (made) {
        // Version 4: the table holds Lab as version 4 encodes it.
        cmsSetProfileVersion(made, 4.3);
        cmsSetPCS(made, cmsSigLabData);
        cmsWriteTag(made, cmsSigAToB0Tag, pipeline);
        bytes = Saved(made);
        cmsCloseProfile(made);
    }
    cmsPipelineFree(pipeline);
    cmsDeleteTransform(toLab);
    cmsCloseProfile(lab);
    cmsCloseProfile(sourceProfile);
    return bytes;
}

} // namespace pigmentrix
