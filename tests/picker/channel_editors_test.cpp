#include "window_test_fixture.h"

#include "model/color_codes.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QWheelEvent>

namespace pigmentrix {
namespace {

using ChannelEditorsTest = PickerWindowTest;

TEST_F(ChannelEditorsTest, BoxesAcceptDigitsAndBackspaceOnly)
{
    setColor(ComposeColor(12, 0, 0));
    QLineEdit *box = window->edtRed;
    box->setFocus();
    box->end(false);
    QTest::keyClicks(box, "a-+ ");
    EXPECT_EQ(box->text(), "12");
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), "1");
    QTest::keyClicks(box, "99");
    EXPECT_EQ(box->text(), "199");
    QTest::keyClicks(box, "9");
    EXPECT_EQ(box->text(), "199") << "at most three characters";
    EXPECT_EQ(RedOf(color()), 199);
}

TEST_F(ChannelEditorsTest, LeavingABoxNormalisesItsText)
{
    struct Row {
        QLineEdit *TfrmColorPick::*box;
        const char *typed;
        const char *expected;
    };
    const Row rows[] = {
        {&TfrmColorPick::edtGreen, "007", "7"},
        {&TfrmColorPick::edtGreen, "", "0"},
        {&TfrmColorPick::edtGreen, "256", "255"},
        {&TfrmColorPick::edtHue, "300", "300"},
        {&TfrmColorPick::edtHue, "999", "360"},
        {&TfrmColorPick::edtSaturation, "400", "255"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.typed);
        setColor(ComposeColor(200, 100, 50));
        QLineEdit *box = (*window).*(row.box);
        typeInto(box, row.typed);
        leave(box);
        EXPECT_EQ(box->text(), row.expected);
    }
}

TEST_F(ChannelEditorsTest, EmptyRedBoxLeftSetsRedToZero)
{
    setColor(ComposeColor(200, 100, 50));
    typeInto(window->edtRed, "");
    leave(window->edtRed);
    EXPECT_EQ(color(), ComposeColor(0, 100, 50));
}

TEST_F(ChannelEditorsTest, BrightnessSliderMovesTheRgbChannels)
{
    setColor(ComposeColor(250, 0, 0));
    window->UseAlphaChannels1->trigger();
    ASSERT_FALSE(window->alphamode);
    // No pixel of the 133-pixel track maps to exactly 200, so the user's
    // drag is replayed as the slider reports it.
    window->scrollbarBrightness->setValue(200);
    window->scrollbarBrightnessChangedValue();
    EXPECT_EQ(color(), ComposeColor(250, 117, 117));
    EXPECT_EQ(window->scrollbarBrightness->Value(), 161);
}

TEST_F(ChannelEditorsTest, AlphaModeOffShowsBrightnessAndResetsAlpha)
{
    window->cbxDisplay->setCurrentIndex(13);
    window->edtAlpha->setText("128");
    EXPECT_EQ(window->scrollbarAlpha->Value(), 128);
    EXPECT_TRUE(window->edtColor->text().endsWith("80"));

    window->UseAlphaChannels1->trigger();
    EXPECT_FALSE(window->alphamode);
    EXPECT_EQ(window->lblAlpha->text(), "Brightness");
    EXPECT_FALSE(window->edtAlpha->isVisible());
    EXPECT_FALSE(window->scrollbarAlpha->isVisible());
    EXPECT_TRUE(window->scrollbarBrightness->isVisible());
    EXPECT_EQ(window->scrollbarAlpha->Value(), 255);
    EXPECT_TRUE(window->edtColor->text().endsWith("FF"));

    window->UseAlphaChannels1->trigger();
    EXPECT_EQ(window->lblAlpha->text(), "Alpha");
    EXPECT_TRUE(window->edtAlpha->isVisible());
}

TEST_F(ChannelEditorsTest, AlphaSliderUpdatesItsBoxAndTheAlphaCodes)
{
    window->cbxDisplay->setCurrentIndex(12);
    setColor(ComposeColor(18, 52, 86));
    pressSlider(window->scrollbarAlpha, 68);
    EXPECT_EQ(window->scrollbarAlpha->Value(), 128);
    EXPECT_EQ(window->edtAlpha->text(), "128");
    EXPECT_EQ(window->edtColor->text(), "#80123456");
}

TEST_F(ChannelEditorsTest, WheelStepsTheBoxUnderThePointer)
{
    const auto wheel = [](QWidget *target, int delta) {
        QWheelEvent event(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
    };
    setColor(ComposeColor(254, 0, 0));
    wheel(window->edtRed, 120);
    EXPECT_EQ(window->edtRed->text(), "255");
    wheel(window->edtRed, 120);
    EXPECT_EQ(window->edtRed->text(), "255");
    EXPECT_EQ(RedOf(color()), 255);
    wheel(window->scrollbarGreen, -120);
    EXPECT_EQ(GreenOf(color()), 0);
    wheel(window->scrollbarGreen, 120);
    EXPECT_EQ(GreenOf(color()), 1);
    window->edtBlue->setText("");
    wheel(window->edtBlue, 120);
    EXPECT_EQ(window->edtBlue->text(), "");
}

} // namespace
} // namespace pigmentrix
