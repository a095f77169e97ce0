#pragma once

#include "window_test_fixture.h"

#include "image_screen_sampler.h"

namespace pigmentrix {

class GrabController;

// The picker window reading a 640 x 400 picture instead of the screen. Each
// desktop pixel (x, y) is (x mod 256, y mod 256, 77) unless a case paints
// over it before the grab.
class GrabWindowTest : public PickerWindowTest {
protected:
    void SetUp() override;

    GrabController &grab() const;

    static QRgb patternAt(int x, int y) { return qRgb(x % 256, y % 256, 77); }
    // Replaces the desktop; the pointer stays where it was.
    void useDesktop(const QImage &desktop);

    void pressGrab(Qt::MouseButton button = Qt::LeftButton);
    void releaseGrab(Qt::MouseButton button = Qt::LeftButton);
    // One tick with the pointer at `at`.
    void tickAt(QPoint at);
    // Press, one tick at `at`, release.
    void grabAt(QPoint at);

    QImage desktop;
    ImageScreenSampler *screen = nullptr;
};

} // namespace pigmentrix
