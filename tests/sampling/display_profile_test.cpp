#include "sampling/display_profile.h"
#include "sampling/screen_colors.h"

#include <gtest/gtest.h>

#include <lcms2.h>

#include <QFile>

#include <cstdlib>

namespace pigmentrix {
namespace {

const char *const DisplayP3 = "/usr/share/color/argyll/ref/DisplayP3.icm";
const char *const AdobeRgb = "/usr/share/color/icc/colord/AdobeRGB1998.icc";
const char *const SwappedRedAndGreen = "/usr/share/color/icc/colord/SwappedRedAndGreen.icc";
const char *const ProPhoto = "/usr/share/color/icc/colord/ProPhotoRGB.icc";
const char *const Srgb = "/usr/share/color/icc/colord/sRGB.icc";

QByteArray FileBytes(const char *path)
{
    QFile file(QString::fromLatin1(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TColor Hex(const char *rrggbb)
{
    const long value = std::strtol(rrggbb + 1, nullptr, 16);
    return ComposeColor(static_cast<int>(value >> 16), static_cast<int>((value >> 8) & 255),
                        static_cast<int>(value & 255));
}

std::string HexOf(TColor color)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", RedOf(color), GreenOf(color), BlueOf(color));
    return text;
}

struct ConversionRow {
    const char *profile;
    const char *device;
    const char *srgb;
};

// Each value as transicc -t1 -c0 gives it (LittleCMS 2.14, floating point,
// relative colorimetric, into its built-in sRGB), rounded to the nearest
// step and clipped to 0..255.
TEST(DisplayProfileTest, DeviceValuesBecomeTheSrgbValuesTransiccGives)
{
    const ConversionRow rows[] = {
        {DisplayP3, "#804020", "#8A3B15"},
        {DisplayP3, "#123456", "#003559"},
        {DisplayP3, "#7F7F7F", "#7F7F7F"},
        {DisplayP3, "#FF0000", "#FF0000"},
        {DisplayP3, "#00FF00", "#00FF00"},
        {DisplayP3, "#0000FF", "#0000FF"},
        {DisplayP3, "#FFFFFF", "#FFFFFF"},
        {DisplayP3, "#000000", "#000000"},
        {AdobeRgb, "#804020", "#923E17"},
        {AdobeRgb, "#123456", "#003157"},
        {AdobeRgb, "#7F7F7F", "#808080"},
        {SwappedRedAndGreen, "#804020", "#408020"},
        {SwappedRedAndGreen, "#FF0000", "#01FF00"},
        {SwappedRedAndGreen, "#00FF00", "#FF0000"},
        {SwappedRedAndGreen, "#123456", "#341256"},
        {ProPhoto, "#804020", "#BF351D"},
        {ProPhoto, "#123456", "#004A6E"},
        {ProPhoto, "#7F7F7F", "#919191"},
        {Srgb, "#804020", "#804020"},
        {Srgb, "#123456", "#123456"},
    };
    for (const ConversionRow &row : rows) {
        SCOPED_TRACE(std::string(row.profile) + " " + row.device);
        const std::shared_ptr<const DisplayProfile> profile = DisplayProfile::read(FileBytes(row.profile));
        ASSERT_TRUE(profile) << "the profile comes with the packages the build installs";
        EXPECT_EQ(HexOf(profile->toSrgb(Hex(row.device))), row.srgb);
    }
}

TEST(DisplayProfileTest, TheDescriptionTagNamesTheProfile)
{
    const std::shared_ptr<const DisplayProfile> profile = DisplayProfile::read(FileBytes(AdobeRgb));
    ASSERT_TRUE(profile);
    EXPECT_TRUE(profile->description().contains(QLatin1String("Adobe"))) << profile->description().toStdString();
}

// A profile made here: its device-to-PCS direction is a 33-point table
// sampled from `source` (into Lab), as monitor profiles measured by a
// calibration tool have it; with `matrixFrom`, the table goes into a copy of
// that matrix profile, which then holds both.
QByteArray TableProfile(const char *source, const char *matrixFrom = nullptr)
{
    const QByteArray sourceBytes = FileBytes(source);
    cmsHPROFILE sourceProfile = cmsOpenProfileFromMem(sourceBytes.constData(), sourceBytes.size());
    cmsHPROFILE lab = cmsCreateLab4Profile(nullptr);
    cmsHTRANSFORM toLab = cmsCreateTransform(sourceProfile, TYPE_RGB_16, lab, TYPE_Lab_16,
                                             INTENT_RELATIVE_COLORIMETRIC, cmsFLAGS_NOOPTIMIZE);
    cmsStage *table = cmsStageAllocCLut16bit(nullptr, 33, 3, 3, nullptr);
    cmsStageSampleCLut16bit(
        table,
        [](const cmsUInt16Number in[], cmsUInt16Number out[], void *transform) -> cmsInt32Number {
            cmsDoTransform(static_cast<cmsHTRANSFORM>(transform), in, out, 1);
            return TRUE;
        },
        toLab, 0);
    // The table between identity curves: the shape a stored table has.
    cmsPipeline *pipeline = cmsPipelineAlloc(nullptr, 3, 3);
    cmsPipelineInsertStage(pipeline, cmsAT_END, cmsStageAllocToneCurves(nullptr, 3, nullptr));
    cmsPipelineInsertStage(pipeline, cmsAT_END, table);
    cmsPipelineInsertStage(pipeline, cmsAT_END, cmsStageAllocToneCurves(nullptr, 3, nullptr));

    cmsHPROFILE made = nullptr;
    QByteArray matrixBytes;
    if (matrixFrom) {
        matrixBytes = FileBytes(matrixFrom);
        made = cmsOpenProfileFromMem(matrixBytes.constData(), matrixBytes.size());
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
    // Version 4: the table holds Lab as version 4 encodes it.
    cmsSetProfileVersion(made, 4.3);
    cmsSetPCS(made, cmsSigLabData);
    cmsWriteTag(made, cmsSigAToB0Tag, pipeline);
    cmsUInt32Number size = 0;
    cmsSaveProfileToMem(made, nullptr, &size);
    QByteArray bytes(static_cast<qsizetype>(size), '\0');
    cmsSaveProfileToMem(made, bytes.data(), &size);

    cmsCloseProfile(made);
    cmsPipelineFree(pipeline);
    cmsDeleteTransform(toLab);
    cmsCloseProfile(lab);
    cmsCloseProfile(sourceProfile);
    return bytes;
}

int LargestStep(TColor a, TColor b)
{
    return std::max({std::abs(RedOf(a) - RedOf(b)), std::abs(GreenOf(a) - GreenOf(b)),
                     std::abs(BlueOf(a) - BlueOf(b))});
}

// The table stands between the grid points for the curves it was sampled
// from: within two steps of the matrix profile it copies.
TEST(DisplayProfileTest, ATableProfileConvertsAsTheProfileItWasSampledFrom)
{
    const std::shared_ptr<const DisplayProfile> table = DisplayProfile::read(TableProfile(DisplayP3));
    const std::shared_ptr<const DisplayProfile> matrix = DisplayProfile::read(FileBytes(DisplayP3));
    ASSERT_TRUE(table) << "a profile of tables only is read";
    ASSERT_TRUE(matrix);
    EXPECT_EQ(table->description(), QStringLiteral("Display P3 as a table"));
    for (const char *device : {"#804020", "#123456", "#7F7F7F", "#FF0000", "#00FF00", "#0000FF", "#FFFFFF", "#203040",
                               "#F0E0D0", "#0A0A0A"}) {
        SCOPED_TRACE(device);
        const TColor fromTable = table->toSrgb(Hex(device));
        EXPECT_LE(LargestStep(fromTable, matrix->toSrgb(Hex(device))), 2) << HexOf(fromTable);
    }
}

// Where a profile has both, the table is the measured one: it is used, not
// the matrix.
TEST(DisplayProfileTest, AProfileWithATableAndAMatrixUsesTheTable)
{
    const std::shared_ptr<const DisplayProfile> both =
        DisplayProfile::read(TableProfile(SwappedRedAndGreen, DisplayP3));
    ASSERT_TRUE(both);
    EXPECT_LE(LargestStep(both->toSrgb(Hex("#FF0000")), Hex("#01FF00")), 2)
        << HexOf(both->toSrgb(Hex("#FF0000")));
}

TEST(DisplayProfileTest, WhatIsNoRgbProfileIsNotRead)
{
    const QByteArray p3 = FileBytes(DisplayP3);
    cmsHPROFILE lab = cmsCreateLab4Profile(nullptr);
    cmsUInt32Number size = 0;
    cmsSaveProfileToMem(lab, nullptr, &size);
    QByteArray labBytes(static_cast<qsizetype>(size), '\0');
    cmsSaveProfileToMem(lab, labBytes.data(), &size);
    cmsCloseProfile(lab);
    const struct {
        const char *what;
        QByteArray bytes;
    } rows[] = {
        {"nothing", QByteArray()},
        {"text", QByteArrayLiteral("not a profile at all")},
        {"a profile cut short", p3.left(200)},
        {"a Lab profile", labBytes},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_FALSE(DisplayProfile::read(row.bytes));
    }
}

// Two monitors side by side, the second with a profile.
class ScreenColorsTest : public testing::Test {
protected:
    void SetUp() override
    {
        published = {QByteArray(), FileBytes(DisplayP3)};
        colors.refresh(places, [this](int monitor) { return published[static_cast<std::size_t>(monitor)]; });
    }

    std::vector<QRect> places{QRect(0, 0, 100, 50), QRect(100, 0, 200, 100)};
    std::vector<QByteArray> published;
    ScreenColors colors;
};

TEST_F(ScreenColorsTest, EachMonitorConvertsThroughItsOwnProfile)
{
    EXPECT_TRUE(colors.converting());
    EXPECT_EQ(HexOf(colors.convert(QPoint(99, 10), Hex("#804020"))), "#804020") << "no profile: sRGB already";
    EXPECT_EQ(HexOf(colors.convert(QPoint(100, 10), Hex("#804020"))), "#8A3B15");
    colors.setMode(ScreenColors::Mode::Native);
    EXPECT_FALSE(colors.converting());
    EXPECT_EQ(HexOf(colors.convert(QPoint(100, 10), Hex("#804020"))), "#804020");
}

TEST_F(ScreenColorsTest, ABlockAcrossTheBorderConvertsEachPixelWhereItIs)
{
    QImage block(2, 1, QImage::Format_ARGB32);
    block.setPixel(0, 0, qRgb(0x80, 0x40, 0x20));
    block.setPixel(1, 0, qRgb(0x80, 0x40, 0x20));
    colors.convert(block, QPoint(99, 5));
    EXPECT_EQ(block.pixel(0, 0), qRgb(0x80, 0x40, 0x20));
    EXPECT_EQ(block.pixel(1, 0), qRgb(0x8A, 0x3B, 0x15));
}

TEST_F(ScreenColorsTest, AChangedPublicationTakesEffectAtTheNextRefresh)
{
    EXPECT_TRUE(colors.descriptions().contains(QLatin1String("P3"))) << colors.descriptions().toStdString();
    published[1] = QByteArrayLiteral("broken");
    colors.refresh(places, [this](int monitor) { return published[static_cast<std::size_t>(monitor)]; });
    EXPECT_FALSE(colors.converting()) << "an unreadable profile leaves native values";
    EXPECT_TRUE(colors.profileUnreadable());
    EXPECT_EQ(HexOf(colors.convert(QPoint(100, 10), Hex("#804020"))), "#804020");
    published[1].clear();
    colors.refresh(places, [this](int monitor) { return published[static_cast<std::size_t>(monitor)]; });
    EXPECT_FALSE(colors.profileUnreadable()) << "no profile is not a broken one";
    EXPECT_TRUE(colors.descriptions().isEmpty());
}

} // namespace
} // namespace pigmentrix
