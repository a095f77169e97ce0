#pragma once

#include <QImage>

#include <gtest/gtest.h>

#include <string>

namespace pigmentrix {

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
};

inline std::string Describe(QRgb p)
{
    return "(" + std::to_string(qRed(p)) + ", " + std::to_string(qGreen(p)) + ", " + std::to_string(qBlue(p)) + ")";
}

inline testing::AssertionResult PixelIs(const QImage &image, int x, int y, Rgb want)
{
    if (!image.rect().contains(x, y))
        return testing::AssertionFailure() << "(" << x << ", " << y << ") lies outside";
    const QRgb p = image.pixel(x, y);
    if (qRed(p) == want.r && qGreen(p) == want.g && qBlue(p) == want.b)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << Describe(p) << ", want "
                                       << Describe(qRgb(want.r, want.g, want.b));
}

} // namespace pigmentrix
