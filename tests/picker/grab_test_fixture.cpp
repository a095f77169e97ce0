#include "grab_test_fixture.h"

#include "sampling/grab_button.h"
#include "sampling/grab_controller.h"

#include <QTest>

namespace pigmentrix {

void GrabWindowTest::SetUp()
{
    PickerWindowTest::SetUp();
    desktop = QImage(640, 400, QImage::Format_RGB32);
    for (int y = 0; y < desktop.height(); ++y)
        for (int x = 0; x < desktop.width(); ++x)
            desktop.setPixel(x, y, patternAt(x, y));
    useDesktop(desktop);
}

GrabController &GrabWindowTest::grab() const
{
    return area<GrabController>();
}

void GrabWindowTest::useDesktop(const QImage &picture)
{
    const QPoint pointer = screen ? screen->pointer : QPoint();
    auto sampler = std::make_unique<ImageScreenSampler>(picture);
    sampler->pointer = pointer;
    screen = sampler.get();
    grab().setScreenSampler(std::move(sampler));
}

void GrabWindowTest::pressGrab(Qt::MouseButton button)
{
    QTest::mousePress(control("btnGrab"), button);
}

void GrabWindowTest::releaseGrab(Qt::MouseButton button)
{
    QTest::mouseRelease(control("btnGrab"), button);
}

void GrabWindowTest::tickAt(QPoint at)
{
    screen->pointer = at;
    grab().Timer1Timer();
}

void GrabWindowTest::grabAt(QPoint at)
{
    pressGrab();
    tickAt(at);
    releaseGrab();
}

} // namespace pigmentrix
