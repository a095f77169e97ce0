#include "displays/picture_mapping.h"

#include "displays/hsv_pictures.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <vector>

namespace pigmentrix {

void PrintTo(const PictureSliderWrites &w, std::ostream *os)
{
    const auto put = [os](const char *name, const std::optional<int> &v) {
        *os << name << '=';
        if (v)
            *os << *v;
        else
            *os << '-';
        *os << ' ';
    };
    put("hue", w.hue);
    put("saturation", w.saturation);
    put("value", w.value);
    put("source", w.updateColorSource);
}

namespace {

constexpr std::nullopt_t none = std::nullopt;

struct MappingRow {
    const char *what;
    int mode; // as the settings keep it
    int x;
    int y;
    int height;
    PictureSliderWrites expected;
};

PictureSliderWrites Wheel(int hue, int saturation)
{
    return {hue, saturation, none, WheelChangeSource};
}

PictureSliderWrites Chart(std::optional<int> hue, std::optional<int> saturation, std::optional<int> value)
{
    return {hue, saturation, value, SquareOrRectangleChangeSource};
}

const PictureSliderWrites Nothing{};

TEST(PictureMapping, PointsGiveTheSliderWritesOfTheirMode)
{
    const std::vector<MappingRow> rows = {
        // Colour wheel, picture 106 high: c = 53.
        {"wheel centre: hue 90, grey", 1, 53, 53, 106, Wheel(90, 0)},
        {"wheel top: red at the rim", 1, 53, 0, 106, Wheel(360, 255)},
        {"wheel right", 1, 100, 53, 106, Wheel(90, 226)},
        {"wheel below, one past the edge", 1, 53, 106, 106, Wheel(180, 255)},
        {"wheel left edge", 1, 0, 53, 106, Wheel(270, 255)},
        {"wheel dragged far right keeps full saturation", 1, 1000, 53, 106, Wheel(90, 255)},
        {"wheel dragged far left", 1, -1000, 53, 106, Wheel(270, 255)},
        {"wheel dragged far up", 1, 53, -1000, 106, Wheel(360, 255)},
        {"wheel dragged far down-left", 1, -1000, 1106, 106, Wheel(225, 255)},
        {"wheel just inside the rim", 1, 53, 1, 106, Wheel(360, 250)},
        {"wheel of a 65-pixel picture", 1, 32, 0, 65, Wheel(360, 255)},
        {"wheel of an empty picture", 1, 0, 0, 0, Wheel(90, 255)},
        {"wheel at the far end of the coordinates", 1, INT_MIN, 53, 106, Wheel(270, 255)},
        // SV square, picture 106 high.
        {"square top middle", 2, 53, 0, 106, Chart(none, 128, 255)},
        {"square one past the bottom-left", 2, 0, 106, 106, Chart(none, 0, 0)},
        {"square dragged right: saturation 289 ignored", 2, 120, 50, 106, Chart(none, none, 135)},
        {"square dragged left: saturation -12 ignored", 2, -5, 10, 106, Chart(none, none, 231)},
        {"square dragged above: value 279 ignored", 2, 53, -10, 106, Chart(none, 128, none)},
        {"square dragged below: value -14 ignored", 2, 53, 112, 106, Chart(none, 128, none)},
        {"square of an empty picture writes nothing", 2, 5, 5, 0, Chart(none, none, none)},
        {"square at the far end of the coordinates", 2, INT_MAX, INT_MIN, 106, Chart(none, none, none)},
        // HSV rectangle, picture 106 high.
        {"rectangle top-left is white", 3, 0, 0, 106, Chart(0, 0, 255)},
        {"rectangle bottom-right is black", 3, 105, 105, 106, Chart(360, 255, 0)},
        {"rectangle upper half", 3, 50, 52, 106, Chart(171, 253, 255)},
        {"rectangle lower half", 3, 50, 53, 106, Chart(171, 255, 253)},
        {"rectangle below the picture", 3, 50, 106, 106, Nothing},
        {"rectangle left of the picture", 3, -1, 50, 106, Nothing},
        {"rectangle above the picture", 3, 50, -1, 106, Nothing},
        {"rectangle width tested against the height", 3, 106, 0, 106, Nothing},
        {"rectangle of one pixel is white", 3, 0, 0, 1, Chart(0, 0, 255)},
        {"rectangle of an empty picture", 3, 0, 0, 0, Nothing},
        // Unknown modes map as the rectangle.
        {"mode 0 maps as the rectangle", 0, 0, 0, 106, Chart(0, 0, 255)},
        {"mode 7 maps as the rectangle", 7, 50, 106, 106, Nothing},
    };
    for (const MappingRow &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(PictureSliderWritesForPoint(static_cast<DisplayMode>(row.mode), row.x, row.y, row.height),
                  row.expected);
    }
}

TEST(PictureMapping, WheelHueTurnsClockwiseFromTheTopAndStaysInRange)
{
    // Every direction on a circle far outside the disc: hue within 0..360 and
    // saturation full.
    for (int x = -300; x <= 300; x += 7) {
        for (int y : {-300, 300}) {
            SCOPED_TRACE(testing::Message() << "x=" << x << " y=" << y);
            const PictureSliderWrites w = HueSaturationFromPoint(x, y, 106);
            ASSERT_TRUE(w.hue.has_value());
            EXPECT_EQ(w.saturation, 255);
            if (y < 0)
                EXPECT_TRUE(*w.hue >= 270 || *w.hue <= 90) << *w.hue;
            else
                EXPECT_TRUE(*w.hue >= 90 && *w.hue <= 270) << *w.hue;
        }
    }
}

} // namespace
} // namespace pigmentrix
