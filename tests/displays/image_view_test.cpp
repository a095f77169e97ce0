#include "ui/image_view.h"

#include "ui/focus_mark.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace pigmentrix {
namespace {

class ImageViewTest : public testing::Test {
protected:
    ImageViewTest()
    {
        picture.fill(qRgb(10, 20, 30));
        picture.setPixel(0, 0, qRgb(200, 0, 0));
        view.setImage(picture);
        view.resize(picture.size());
        view.show();
    }

    QImage picture{40, 30, QImage::Format_RGB32};
    ImageView view;
};

TEST_F(ImageViewTest, ShowsThePictureAtTheTopLeft)
{
    EXPECT_EQ(view.sizeHint(), QSize(40, 30));
    const QImage shown = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(shown == picture);
}

TEST_F(ImageViewTest, AMarkerIsARingInTheHighlightColoursOverThePicture)
{
    view.setMarker(QPoint(20, 15));
    const QImage marked = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto count = [&marked](const QRect &area, const QColor &color) {
        int found = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                found += marked.pixelColor(x, y) == color ? 1 : 0;
        return found;
    };
    const QRect around(14, 9, 13, 13);
    EXPECT_GT(count(around, FocusMark::outerColor()), 12);
    EXPECT_GT(count(around, FocusMark::innerColor()), 6);
    EXPECT_EQ(marked.pixelColor(20, 15), QColor(10, 20, 30)) << "the point itself shows its colour";
    EXPECT_EQ(count(QRect(0, 0, 40, 30), FocusMark::outerColor()), count(around, FocusMark::outerColor()))
        << "nothing drawn elsewhere";
    view.setMarker(std::nullopt);
    EXPECT_TRUE(view.grab().toImage().convertToFormat(QImage::Format_RGB32) == picture) << "gone again";
}

TEST_F(ImageViewTest, PassesPressAndReleaseOn)
{
    QSignalSpy pressed(&view, &ImageView::mousePressed);
    QSignalSpy released(&view, &ImageView::mouseReleased);
    QTest::mousePress(&view, Qt::RightButton, {}, QPoint(7, 9));
    QTest::mouseRelease(&view, Qt::RightButton, {}, QPoint(8, 9));
    ASSERT_EQ(pressed.size(), 1);
    EXPECT_EQ(pressed.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(pressed.at(0).at(1).toPoint(), QPoint(7, 9));
    ASSERT_EQ(released.size(), 1);
    EXPECT_EQ(released.at(0).at(1).toPoint(), QPoint(8, 9));
}

TEST_F(ImageViewTest, PassesMovesWithTheHeldButtons)
{
    QSignalSpy moved(&view, &ImageView::mouseMoved);
    QMouseEvent move(QEvent::MouseMove, QPointF(12, 3), view.mapToGlobal(QPointF(12, 3)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&view, &move);
    ASSERT_EQ(moved.size(), 1);
    EXPECT_EQ(moved.at(0).at(0).value<Qt::MouseButtons>(), Qt::MouseButtons(Qt::LeftButton));
    EXPECT_EQ(moved.at(0).at(1).toPoint(), QPoint(12, 3));
}

// On a scaled screen the pointer lies between logical pixels; the view names
// the pixel it is over, also left of and above the picture while dragging.
TEST_F(ImageViewTest, FractionalPositionsNameThePixelUnderThePointer)
{
    struct Row {
        QPointF position;
        QPoint pixel;
    };
    const Row rows[] = {
        {{12.0, 3.0}, {12, 3}},  {{12.5, 3.5}, {12, 3}}, {{12.99, 3.75}, {12, 3}},
        {{-0.25, 0.5}, {-1, 0}}, {{4.5, -0.5}, {4, -1}}, {{-3.5, -7.25}, {-4, -8}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << row.position.x() << ", " << row.position.y());
        QSignalSpy moved(&view, &ImageView::mouseMoved);
        QMouseEvent move(QEvent::MouseMove, row.position, view.mapToGlobal(row.position), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&view, &move);
        ASSERT_EQ(moved.size(), 1);
        EXPECT_EQ(moved.at(0).at(1).toPoint(), row.pixel);
    }
}

TEST_F(ImageViewTest, DoubleClickIsReportedBesideItsPressesAndReleases)
{
    QSignalSpy pressed(&view, &ImageView::mousePressed);
    QSignalSpy released(&view, &ImageView::mouseReleased);
    QSignalSpy doubled(&view, &ImageView::doubleClicked);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    // Through the window, as the platform delivers it.
    QTest::mouseDClick(view.windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(doubled.size(), 1);
    EXPECT_EQ(doubled.at(0).at(0).value<Qt::MouseButton>(), Qt::LeftButton);
    EXPECT_EQ(doubled.at(0).at(1).toPoint(), QPoint(5, 5));
    EXPECT_EQ(pressed.size(), 2);
    EXPECT_EQ(released.size(), 2);
}

} // namespace
} // namespace pigmentrix
