#include "grab_test_fixture.h"

#include "displays/image_view.h"
#include "sampling/magnifier_picture.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QTest>

namespace pigmentrix {
namespace {

using MagnifierViewTest = GrabWindowTest;

TColor ColorOf(QRgb p)
{
    return ComposeColor(qRed(p), qGreen(p), qBlue(p));
}

TEST_F(MagnifierViewTest, StartsWithZoomFourCrossAndTheCaption)
{
    EXPECT_EQ(window->cbxZoom->count(), 20);
    EXPECT_EQ(window->cbxZoom->itemText(0), "Zoom x 1");
    EXPECT_EQ(window->cbxZoom->itemText(19), "Zoom x 20");
    EXPECT_EQ(window->cbxZoom->currentText(), "Zoom x 4");
    EXPECT_EQ(window->crosshair, 1);
    EXPECT_TRUE(window->Cross1->isChecked());
    EXPECT_EQ(window->imgMagnifier->size(), QSize(165, 132));
    EXPECT_TRUE(window->imgMagnifier->image().isNull());
}

TEST_F(MagnifierViewTest, TickShowsTheAreaAroundThePointerEnlarged)
{
    grabAt({300, 200});
    const QImage &picture = window->imgMagnifier->image();
    ASSERT_EQ(picture.size(), QSize(165, 132));
    // Zoom 4: a 41 x 33 block from (280, 184), picture column X showing block
    // column X * 41 div 165.
    EXPECT_EQ(picture.pixel(0, 0), patternAt(280, 184));
    EXPECT_EQ(picture.pixel(164, 131), patternAt(320, 216));
    EXPECT_EQ(picture.pixel(82, 66), patternAt(300, 200)) << "the cross centre keeps the pointer's colour";
    EXPECT_EQ(picture.pixel(90, 66), patternAt(302, 200) ^ 0x00FFFFFFu) << "the arm inverts";
    EXPECT_EQ(window->Image1->image().size(), QSize(41, 33));
}

TEST_F(MagnifierViewTest, ZoomAndCrosshairChoicesApplyFromTheNextTick)
{
    grabAt({300, 200});
    const QImage before = window->imgMagnifier->image();
    window->zoomFactorItems[0]->trigger();
    EXPECT_EQ(window->cbxZoom->currentText(), "Zoom x 1");
    window->zoomFactorItems[6]->trigger();
    EXPECT_EQ(window->cbxZoom->currentText(), "Zoom x 7");
    window->Rectangle1->trigger();
    EXPECT_EQ(window->crosshair, 2);
    EXPECT_FALSE(window->Cross1->isChecked());
    EXPECT_EQ(window->imgMagnifier->image(), before);

    window->zoomFactorItems[0]->trigger();
    window->None1->trigger();
    grabAt({300, 200});
    const QImage &picture = window->imgMagnifier->image();
    for (QPoint p : {QPoint(0, 0), QPoint(82, 66), QPoint(164, 131)})
        EXPECT_EQ(picture.pixel(p), patternAt(300 - 82 + p.x(), 200 - 66 + p.y())) << "zoom 1 is one to one";
}

TEST_F(MagnifierViewTest, ResizedAreaGetsAPictureOfItsNewSizeAtTheNextTick)
{
    grabAt({300, 200});
    window->pnlMagnifierArea->resize(141, 74);
    EXPECT_EQ(window->imgMagnifier->geometry(), QRect(1, 1, 139, 72));
    EXPECT_EQ(window->Image1->geometry(), QRect(1, 1, 139, 72));
    grabAt({300, 200});
    const QImage &picture = window->imgMagnifier->image();
    ASSERT_EQ(picture.size(), QSize(139, 72));
    // Zoom 4: a 34 x 18 block; the cross centre, trunc(17.5 * 4) and trunc(9.5 * 4), keeps the pointer's pixel.
    EXPECT_EQ(picture.pixel(70, 38), patternAt(300, 200));
}

TEST_F(MagnifierViewTest, ShortcutsSetTheZoomFactor)
{
    QTest::keyClick(window.get(), Qt::Key_F7, Qt::ShiftModifier);
    EXPECT_EQ(window->cbxZoom->currentIndex(), 6);
    EXPECT_EQ(window->zoomFactorItems[10]->shortcut(), QKeySequence());
}

TEST_F(MagnifierViewTest, ClickAndDragPickFromThePictureWithTwoUndoEntries)
{
    const TColor before = ComposeColor(3, 3, 3);
    grabAt({300, 200});
    setColor(before);
    const QImage picture = window->imgMagnifier->image();
    QTest::mousePress(window->imgMagnifier, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(color(), ColorOf(picture.pixel(5, 5)));
    EXPECT_TRUE(window->mousedownflag);
    QTest::mouseMove(window->imgMagnifier, QPoint(90, 66));
    EXPECT_EQ(color(), ColorOf(picture.pixel(90, 66))) << "a crosshair pixel gives its inverted colour";
    QTest::mouseMove(window->imgMagnifier, QPoint(170, 66));
    EXPECT_EQ(color(), ColorOf(picture.pixel(90, 66))) << "beyond the picture nothing is picked";
    QTest::mouseRelease(window->imgMagnifier, Qt::LeftButton, {}, QPoint(170, 66));
    EXPECT_FALSE(window->mousedownflag);
    EXPECT_EQ(window->history.undoEntries()[0], ColorOf(picture.pixel(90, 66)));
    EXPECT_EQ(window->history.undoEntries()[1], before);
    EXPECT_EQ(window->edtRed->text(), QString::number(RedOf(color())));
}

TEST_F(MagnifierViewTest, PressBeforeAnyGrabPicksNothing)
{
    setColor(ComposeColor(4, 5, 6));
    QTest::mouseClick(window->imgMagnifier, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(color(), ComposeColor(4, 5, 6));
}

TEST_F(MagnifierViewTest, RightPressPicksNothing)
{
    grabAt({300, 200});
    setColor(ComposeColor(4, 5, 6));
    QTest::mousePress(window->imgMagnifier, Qt::RightButton, {}, QPoint(20, 20));
    EXPECT_FALSE(window->mousedownflag);
    EXPECT_EQ(color(), ComposeColor(4, 5, 6));
    QTest::mouseRelease(window->imgMagnifier, Qt::RightButton, {}, QPoint(20, 20));
}

TEST_F(MagnifierViewTest, ClearZoomWindowFillsThePictureWithTheWindowColourAndEmptiesTheLabels)
{
    grabAt({300, 200});
    ASSERT_FALSE(window->lblXPos->text().isEmpty());
    const QImage captured = window->Image1->image();
    QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier);
    const QImage &picture = window->imgMagnifier->image();
    ASSERT_EQ(picture.size(), QSize(165, 132));
    for (QPoint p : {QPoint(0, 0), QPoint(82, 66), QPoint(164, 131)})
        EXPECT_EQ(picture.pixel(p), qRgb(0x67, 0x67, 0x67));
    EXPECT_TRUE(window->lblXPos->text().isEmpty());
    EXPECT_TRUE(window->lblYPos->text().isEmpty());
    EXPECT_EQ(window->Image1->image(), captured);
}

TEST_F(MagnifierViewTest, MenuItemsSitInTheMainMenuOrder)
{
    QStringList names;
    for (QAction *item : window->pupMain->actions())
        names << item->objectName();
    const QStringList expected = {"N4", "Zoom1", "Colordisplay1", "UpperCaseColorCodes1", "ColorAveraging1",
                                  "extDisplay1", "AutoColorCopyafterGrab1"};
    qsizetype at = -1;
    for (const QString &name : expected) {
        const qsizetype next = names.indexOf(name);
        EXPECT_GT(next, at) << name.toStdString() << " in " << names.join(' ').toStdString();
        at = next;
    }
    QStringList zoom;
    for (QAction *item : window->pupMain->findChild<QAction *>("Zoom1")->menu<QMenu *>()->actions())
        zoom << item->text();
    EXPECT_EQ(zoom, (QStringList{"Zoom Factor", "Zoom Crosshair", "Set Coordinates", "Reset Coordinates",
                                 "Clear Zoom Window"}));
}

} // namespace
} // namespace pigmentrix
