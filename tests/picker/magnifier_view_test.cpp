#include "grab_test_fixture.h"

#include "picker/history_actions.h"
#include "sampling/grab_controller.h"
#include "sampling/magnifier_picture.h"
#include "ui/image_view.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QToolButton>

namespace pigmentrix {
namespace {

class MagnifierViewTest : public GrabWindowTest {
protected:
    QComboBox *zoomBox() const { return control<QComboBox>("cbxZoom"); }
    ImageView *magnifier() const { return control<ImageView>("imgMagnifier"); }
    // The picture the magnifier was last enlarged from.
    ImageView *grabbedArea() const { return control<ImageView>("Image1"); }
    // "Zoom x <factor>" in the main menu's "Zoom Factor".
    QAction *zoomItem(int factor) const { return item(QStringLiteral("Zoom%1X1").arg(factor).toLatin1().constData()); }
    const ColorHistory &history() const { return area<HistoryActions>().history(); }
};

TColor ColorOf(QRgb p)
{
    return ComposeColor(qRed(p), qGreen(p), qBlue(p));
}

TEST_F(MagnifierViewTest, StartsWithZoomFourCrossAndTheCaption)
{
    EXPECT_EQ(zoomBox()->count(), 20);
    EXPECT_EQ(zoomBox()->itemText(0), "Zoom x 1");
    EXPECT_EQ(zoomBox()->itemText(19), "Zoom x 20");
    EXPECT_EQ(zoomBox()->currentText(), "Zoom x 4");
    EXPECT_EQ(grab().crosshair(), Crosshair::Cross);
    EXPECT_TRUE(item("Cross1")->isChecked());
    EXPECT_EQ(magnifier()->size(), QSize(165, 132));
    EXPECT_TRUE(magnifier()->image().isNull());
}

TEST_F(MagnifierViewTest, TickShowsTheAreaAroundThePointerEnlarged)
{
    grabAt({300, 200});
    const QImage &picture = magnifier()->image();
    ASSERT_EQ(picture.size(), QSize(165, 132));
    // Zoom 4: a 41 x 33 block from (280, 184), picture column X showing block
    // column X * 41 div 165.
    EXPECT_EQ(picture.pixel(0, 0), patternAt(280, 184));
    EXPECT_EQ(picture.pixel(164, 131), patternAt(320, 216));
    EXPECT_EQ(picture.pixel(82, 66), patternAt(300, 200)) << "the cross centre keeps the pointer's colour";
    EXPECT_EQ(picture.pixel(90, 66), patternAt(302, 200) ^ 0x00FFFFFFu) << "the arm inverts";
    EXPECT_EQ(grabbedArea()->image().size(), QSize(41, 33));
}

TEST_F(MagnifierViewTest, ZoomAndCrosshairChoicesApplyFromTheNextTick)
{
    grabAt({300, 200});
    const QImage before = magnifier()->image();
    zoomItem(1)->trigger();
    EXPECT_EQ(zoomBox()->currentText(), "Zoom x 1");
    zoomItem(7)->trigger();
    EXPECT_EQ(zoomBox()->currentText(), "Zoom x 7");
    item("Rectangle1")->trigger();
    EXPECT_EQ(grab().crosshair(), Crosshair::Rectangle);
    EXPECT_FALSE(item("Cross1")->isChecked());
    EXPECT_EQ(magnifier()->image(), before);

    zoomItem(1)->trigger();
    item("None1")->trigger();
    grabAt({300, 200});
    const QImage &picture = magnifier()->image();
    for (QPoint p : {QPoint(0, 0), QPoint(82, 66), QPoint(164, 131)})
        EXPECT_EQ(picture.pixel(p), patternAt(300 - 82 + p.x(), 200 - 66 + p.y())) << "zoom 1 is one to one";
}

TEST_F(MagnifierViewTest, ResizedAreaGetsAPictureOfItsNewSizeAtTheNextTick)
{
    grabAt({300, 200});
    control("pnlMagnifierArea")->resize(141, 74);
    EXPECT_EQ(magnifier()->geometry(), QRect(1, 1, 139, 72));
    EXPECT_EQ(grabbedArea()->geometry(), QRect(1, 1, 139, 72));
    grabAt({300, 200});
    const QImage &picture = magnifier()->image();
    ASSERT_EQ(picture.size(), QSize(139, 72));
    // Zoom 4: a 34 x 18 block; the cross centre, trunc(17.5 * 4) and trunc(9.5 * 4), keeps the pointer's pixel.
    EXPECT_EQ(picture.pixel(70, 38), patternAt(300, 200));
}

TEST_F(MagnifierViewTest, ShortcutsSetTheZoomFactor)
{
    QTest::keyClick(window.get(), Qt::Key_F7, Qt::ShiftModifier);
    EXPECT_EQ(zoomBox()->currentIndex(), 6);
    EXPECT_EQ(zoomItem(11)->shortcut(), QKeySequence());
}

// Press to release is one change: one undo step brings the colour from
// before the press back.
TEST_F(MagnifierViewTest, ClickAndDragPickFromThePictureAsOneUndoStep)
{
    const TColor before = ComposeColor(3, 3, 3);
    grabAt({300, 200});
    setColor(before);
    const QImage picture = magnifier()->image();
    QTest::mousePress(magnifier(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(color(), ColorOf(picture.pixel(5, 5)));
    EXPECT_TRUE(grab().dragging());
    QTest::mouseMove(magnifier(), QPoint(90, 66));
    EXPECT_EQ(color(), ColorOf(picture.pixel(90, 66))) << "a crosshair pixel gives its inverted colour";
    QTest::mouseMove(magnifier(), QPoint(170, 66));
    EXPECT_EQ(color(), ColorOf(picture.pixel(90, 66))) << "beyond the picture nothing is picked";
    QTest::mouseRelease(magnifier(), Qt::LeftButton, {}, QPoint(170, 66));
    EXPECT_FALSE(grab().dragging());
    EXPECT_EQ(history().undoEntries()[0].color, before);
    EXPECT_EQ(history().undoEntries()[1].color, 14772545) << "the colour before the grab";
    EXPECT_EQ(box("edtRed")->text(), QString::number(RedOf(color())));
    undo();
    EXPECT_EQ(color(), before);

    // A click alone is one step too.
    QTest::mouseClick(magnifier(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(color(), ColorOf(picture.pixel(5, 5)));
    EXPECT_EQ(history().undoEntries()[0].color, before);
    undo();
    EXPECT_EQ(color(), before);
}

TEST_F(MagnifierViewTest, PressBeforeAnyGrabPicksNothing)
{
    setColor(ComposeColor(4, 5, 6));
    QTest::mouseClick(magnifier(), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(color(), ComposeColor(4, 5, 6));
    EXPECT_FALSE(history().canUndo()) << "nothing to undo";
    EXPECT_FALSE(control<QToolButton>("btnUndo")->isEnabled());
}

TEST_F(MagnifierViewTest, RightPressPicksNothing)
{
    grabAt({300, 200});
    setColor(ComposeColor(4, 5, 6));
    QTest::mousePress(magnifier(), Qt::RightButton, {}, QPoint(20, 20));
    EXPECT_FALSE(grab().dragging());
    EXPECT_EQ(color(), ComposeColor(4, 5, 6));
    QTest::mouseRelease(magnifier(), Qt::RightButton, {}, QPoint(20, 20));
}

// The picture goes back to the colour of the panel it lies in, as before any
// grab.
TEST_F(MagnifierViewTest, ClearZoomWindowFillsThePictureWithThePanelColourAndEmptiesTheLabels)
{
    const QRgb panel = control("pnlMagnifierArea")->grab().toImage().pixel(40, 100);
    grabAt({300, 200});
    ASSERT_FALSE(control<QLabel>("lblXPos")->text().isEmpty());
    const QImage captured = grabbedArea()->image();
    QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier);
    const QImage &picture = magnifier()->image();
    ASSERT_EQ(picture.size(), QSize(165, 132));
    EXPECT_NE(panel, qRgb(0x67, 0x67, 0x67));
    for (QPoint p : {QPoint(0, 0), QPoint(82, 66), QPoint(164, 131)})
        EXPECT_EQ(picture.pixel(p), panel);
    EXPECT_TRUE(control<QLabel>("lblXPos")->text().isEmpty());
    EXPECT_TRUE(control<QLabel>("lblYPos")->text().isEmpty());
    EXPECT_EQ(grabbedArea()->image(), captured);
}

TEST_F(MagnifierViewTest, MenuItemsSitInTheMainMenuOrder)
{
    QStringList names;
    for (QAction *item : control<QMenu>("pupMain")->actions())
        names << item->objectName();
    const QStringList expected = {"N4",
                                  "Zoom1",
                                  "Colordisplay1",
                                  "UpperCaseColorCodes1",
                                  "ColorAveraging1",
                                  "extDisplay1",
                                  "AutoColorCopyafterGrab1"};
    qsizetype at = -1;
    for (const QString &name : expected) {
        const qsizetype next = names.indexOf(name);
        EXPECT_GT(next, at) << name.toStdString() << " in " << names.join(' ').toStdString();
        at = next;
    }
    QStringList zoom;
    for (QAction *item : control<QMenu>("pupMain")->findChild<QAction *>("Zoom1")->menu<QMenu *>()->actions())
        zoom << item->text();
    EXPECT_EQ(zoom, (QStringList{"Zoom Factor", "Zoom Crosshair", "Set Coordinates", "Reset Coordinates",
                                 "Clear Zoom Window", "Smooth Tracking"}));
}

} // namespace
} // namespace pigmentrix
