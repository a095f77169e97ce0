#include "sampling/output_pictures.h"

#include <gtest/gtest.h>

namespace pigmentrix {
namespace {

// Pixel (x, y) of a monitor's own picture: neighbours always differ, so a
// blend or a shifted read shows.
QRgb Own(int x, int y, int tag)
{
    return qRgb((x * 97) & 255, (y * 89) & 255, tag);
}

QImage OwnPicture(QSize size, int tag)
{
    QImage picture(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, Own(x, y, tag));
    return picture;
}

// A compositor's one picture of the layout at `scale`, each monitor's own
// pixels repeated as blocks where it is at a lower scale.
QImage LayoutPicture(const std::vector<OutputLayout> &outputs, int scale, bool smoothed)
{
    QRect bounds;
    for (const OutputLayout &output : outputs)
        bounds |= output.layout;
    QImage picture(bounds.size() * scale, QImage::Format_ARGB32);
    picture.fill(Qt::black);
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        const OutputLayout &output = outputs[i];
        const int repeat = scale * output.layout.width() / output.pixels.width();
        const QPoint corner = (output.layout.topLeft() - bounds.topLeft()) * scale;
        for (int y = 0; y < output.layout.height() * scale; ++y)
            for (int x = 0; x < output.layout.width() * scale; ++x) {
                const int tag = static_cast<int>(i);
                QRgb value = Own(x / repeat, y / repeat, tag);
                if (smoothed && repeat > 1)
                    value = qRgb((qRed(value) + qRed(Own(x / repeat + 1, y / repeat, tag))) / 2, qGreen(value), tag);
                picture.setPixel(corner + QPoint(x, y), value);
            }
    }
    return picture;
}

const std::vector<OutputLayout> MixedScales = {
    {"HEADLESS-1", QRect(0, 0, 80, 60), QSize(80, 60)},
    {"HEADLESS-2", QRect(80, 0, 40, 30), QSize(80, 60)},
};

TEST(CutLayoutPicture, GivesEveryMonitorItsOwnPixelsAndSaysWhereTheyAreResampled)
{
    struct Row {
        const char *name;
        std::vector<OutputLayout> outputs;
        int scale;
        bool smoothed;
        PictureUpscaling upscaling;
        std::vector<bool> exact;
        std::vector<bool> ownPixels;
    };
    const Row rows[] = {
        {"one scale",
         {{"a", QRect(0, 0, 40, 30), QSize(40, 30)}, {"b", QRect(40, 0, 40, 30), QSize(40, 30)}},
         1,
         false,
         PictureUpscaling::Unknown,
         {true, true},
         {true, true}},
        {"a layout away from the origin",
         {{"a", QRect(-40, 10, 40, 30), QSize(40, 30)}, {"b", QRect(0, 10, 40, 30), QSize(40, 30)}},
         1,
         false,
         PictureUpscaling::Unknown,
         {true, true},
         {true, true}},
        {"mixed, blocks repeated", MixedScales, 2, false, PictureUpscaling::Repeated, {true, true}, {true, true}},
        {"mixed, how is not known", MixedScales, 2, false, PictureUpscaling::Unknown, {false, true}, {true, true}},
        {"mixed, smoothed", MixedScales, 2, true, PictureUpscaling::Unknown, {false, true}, {false, true}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<OutputPicture> pictures =
            CutLayoutPicture(LayoutPicture(row.outputs, row.scale, row.smoothed), row.outputs, row.upscaling);
        ASSERT_EQ(pictures.size(), row.outputs.size());
        for (std::size_t i = 0; i < pictures.size(); ++i) {
            SCOPED_TRACE(row.outputs[i].name.toStdString());
            EXPECT_EQ(pictures[i].pixels.size(), row.outputs[i].pixels);
            EXPECT_EQ(pictures[i].exact, row.exact[i]);
            EXPECT_EQ(pictures[i].pixels == OwnPicture(row.outputs[i].pixels, static_cast<int>(i)), row.ownPixels[i]);
        }
    }
}

TEST(CutLayoutPicture, NothingComesOfNoMonitorsOrNoPicture)
{
    EXPECT_TRUE(CutLayoutPicture(QImage(10, 10, QImage::Format_RGB32), {}, PictureUpscaling::Unknown).empty());
    EXPECT_TRUE(CutLayoutPicture(QImage(), MixedScales, PictureUpscaling::Unknown).empty());
}

// GNOME's physical layout: the layout is in pixels already, one picture
// pixel to one monitor pixel at any scale.
TEST(CutLayoutPicture, ALayoutInPixelsIsCutAsItIs)
{
    const std::vector<OutputLayout> physical = {
        {"Meta-0", QRect(0, 0, 80, 60), QSize(80, 60)},
        {"Meta-1", QRect(80, 0, 160, 120), QSize(160, 120)},
    };
    QImage picture(240, 120, QImage::Format_RGB32);
    picture.fill(Qt::white);
    const QImage second = OwnPicture(QSize(160, 120), 1);
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 160; ++x)
            picture.setPixel(80 + x, y, second.pixel(x, y));
    const std::vector<OutputPicture> pictures = CutLayoutPicture(picture, physical, PictureUpscaling::Unknown);
    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_TRUE(pictures[1].exact);
    EXPECT_EQ(pictures[1].pixels, second);
}

TEST(PlaceOutputsInDeviceSpace, KeepsOriginsAsOnX11AndPushesMonitorsTheLargerPixelsWouldCover)
{
    struct Row {
        const char *name;
        std::vector<OutputLayout> outputs;
        std::vector<QRect> expected;
    };
    const Row rows[] = {
        {"scale 1 left of scale 2", MixedScales, {QRect(0, 0, 80, 60), QRect(80, 0, 80, 60)}},
        {"scale 2 left of scale 1",
         {{"a", QRect(0, 0, 40, 30), QSize(80, 60)}, {"b", QRect(40, 0, 80, 60), QSize(80, 60)}},
         {QRect(0, 0, 80, 60), QRect(80, 0, 80, 60)}},
        {"a row of three pushed along",
         {{"a", QRect(0, 0, 40, 30), QSize(80, 60)},
          {"b", QRect(40, 0, 40, 30), QSize(80, 60)},
          {"c", QRect(80, 0, 50, 30), QSize(50, 30)}},
         {QRect(0, 0, 80, 60), QRect(80, 0, 80, 60), QRect(160, 0, 50, 30)}},
        {"scale 2 above scale 1",
         {{"a", QRect(0, 0, 40, 30), QSize(80, 60)}, {"b", QRect(0, 30, 80, 60), QSize(80, 60)}},
         {QRect(0, 0, 80, 60), QRect(0, 60, 80, 60)}},
        {"apart: each keeps its origin",
         {{"a", QRect(0, 0, 40, 30), QSize(80, 60)}, {"b", QRect(500, 0, 80, 60), QSize(80, 60)}},
         {QRect(0, 0, 80, 60), QRect(500, 0, 80, 60)}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(PlaceOutputsInDeviceSpace(row.outputs), row.expected);
    }
}

TEST(ComposeStillDesktop, PutsEveryMonitorsPixelsAtItsPlaceStartingAtZero)
{
    const std::vector<OutputPicture> pictures = {
        {{"left", QRect(-40, 0, 40, 30), QSize(40, 30)}, OwnPicture(QSize(40, 30), 1), true},
        {{"right", QRect(0, 0, 20, 15), QSize(40, 30)}, OwnPicture(QSize(40, 30), 2), true},
    };
    const StillDesktop desktop = ComposeStillDesktop(pictures);
    EXPECT_EQ(desktop.outputs, (std::vector<QRect>{QRect(0, 0, 40, 30), QRect(40, 0, 40, 30)}));
    EXPECT_EQ(desktop.image.size(), QSize(80, 30));
    EXPECT_EQ(desktop.image.pixel(39, 29), Own(39, 29, 1));
    EXPECT_EQ(desktop.image.pixel(40, 0), Own(0, 0, 2));
    EXPECT_EQ(desktop.image.pixel(41, 1), Own(1, 1, 2)) << "the odd pixel of the scale-2 monitor";
}

TEST(PlaceScreensOnOutputs, MatchesScreensByNameThenByPlace)
{
    const std::vector<OutputPicture> pictures = {
        {MixedScales[0], QImage(), false},
        {MixedScales[1], QImage(), true},
    };
    const std::vector<QRect> device = {QRect(0, 0, 80, 60), QRect(80, 0, 80, 60)};
    struct Row {
        const char *name;
        ScreenGeometry screen;
        QRect expectedImage;
        bool expectedExact;
    };
    const Row rows[] = {
        {"by name", {QRect(0, 0, 1, 1), 2, "HEADLESS-2"}, device[1], true},
        {"by place, as XWayland names its screens its own way",
         {QRect(0, 0, 80, 60), 1, "XWAYLAND0"},
         device[0],
         false},
        {"neither", {QRect(5, 5, 10, 10), 1, "other"}, QRect(), false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<ScreenPlacement> placed = PlaceScreensOnOutputs({row.screen}, pictures, device);
        ASSERT_EQ(placed.size(), 1u);
        EXPECT_EQ(placed[0].logical, row.screen.logical);
        EXPECT_EQ(placed[0].image, row.expectedImage);
        EXPECT_EQ(placed[0].exact, row.expectedExact);
    }
}

} // namespace
} // namespace pigmentrix
