#include "window_test_fixture.h"

#include "model/color_codes.h"
#include "picker/channel_editors.h"
#include "picker/color_code_box.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QTest>
#include <QWheelEvent>

namespace pigmentrix {
namespace {

using ChannelEditorsTest = PickerWindowTest;

TEST_F(ChannelEditorsTest, BoxesAcceptDigitsAndBackspaceOnly)
{
    setColor(ComposeColor(12, 0, 0));
    QLineEdit *box = this->box("edtRed");
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
        const char *box;
        const char *typed;
        const char *expected;
    };
    const Row rows[] = {
        {"edtGreen", "007", "7"}, {"edtGreen", "", "0"},    {"edtGreen", "256", "255"},
        {"edtHue", "300", "300"}, {"edtHue", "999", "360"}, {"edtSaturation", "400", "255"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.typed);
        setColor(ComposeColor(200, 100, 50));
        QLineEdit *box = this->box(row.box);
        typeInto(box, row.typed);
        leave(box);
        EXPECT_EQ(box->text(), row.expected);
    }
}

TEST_F(ChannelEditorsTest, AMenuOrAnotherWindowTakingTheFocusLeavesTheTextAsTyped)
{
    for (Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
        SCOPED_TRACE(reason);
        setColor(ComposeColor(200, 100, 50));
        QLineEdit *green = box("edtGreen");
        typeInto(green, "007");
        QFocusEvent lost(QEvent::FocusOut, reason);
        QApplication::sendEvent(green, &lost);
        EXPECT_EQ(green->text(), "007");
    }
    QFocusEvent tabbedAway(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(box("edtGreen"), &tabbedAway);
    EXPECT_EQ(box("edtGreen")->text(), "7") << "leaving the box tidies it";
}

TEST_F(ChannelEditorsTest, EveryCaptionEndsBeforeItsBoxInBothModes)
{
    const std::pair<const char *, const char *> rows[] = {
        {"lblRed", "edtRed"}, {"lblGreen", "edtGreen"},           {"lblBlue", "edtBlue"},   {"lblAlpha", "edtAlpha"},
        {"lblHue", "edtHue"}, {"lblSaturation", "edtSaturation"}, {"lblValue", "edtValue"},
    };
    for (bool alphaShown : {true, false}) {
        SCOPED_TRACE(alphaShown ? "alpha" : "brightness");
        if (item("UseAlphaChannels1")->isChecked() != alphaShown)
            item("UseAlphaChannels1")->trigger();
        for (const auto &[label, box] : rows) {
            SCOPED_TRACE(label);
            const QLabel *caption = control<QLabel>(label);
            const QWidget *next = std::string_view(label) == "lblAlpha" && !alphaShown
                                      ? static_cast<QWidget *>(slider("scrollbarBrightness"))
                                      : this->box(box);
            EXPECT_LT(caption->x() + caption->fontMetrics().horizontalAdvance(caption->text()), next->x());
            EXPECT_GE(caption->font().pixelSize(), 7);
        }
    }
    EXPECT_EQ(control<QLabel>("lblAlpha")->text(), "Brightness");
}

TEST_F(ChannelEditorsTest, EmptyRedBoxLeftSetsRedToZero)
{
    setColor(ComposeColor(200, 100, 50));
    typeInto(box("edtRed"), "");
    leave(box("edtRed"));
    EXPECT_EQ(color(), ComposeColor(0, 100, 50));
}

TEST_F(ChannelEditorsTest, BrightnessSliderMovesTheRgbChannels)
{
    setColor(ComposeColor(250, 0, 0));
    item("UseAlphaChannels1")->trigger();
    ASSERT_FALSE(area<ChannelEditors>().alphaMode());
    // No pixel of the 133-pixel track maps to exactly 200, so the user's
    // drag is replayed as the slider reports it.
    slider("scrollbarBrightness")->setValue(200);
    emit slider("scrollbarBrightness")->changedValue(200);
    EXPECT_EQ(color(), ComposeColor(250, 117, 117));
    EXPECT_EQ(slider("scrollbarBrightness")->Value(), 161);
}

// Without the alpha editor nothing could show a code's alpha or bring the
// opaque colour back: a code's alpha is not taken.
TEST_F(ChannelEditorsTest, AlphaModeOffIgnoresTheAlphaOfACode)
{
    struct Row {
        int notation;
        const char *typed;
        const char *shown;
    };
    const Row rows[] = {
        {notation::CSSColor, "rgb(1 2 3 / 0.5)", "rgb(1 2 3)"},
        {notation::CSSRGBA, "#12345680", "#123456FF"},
        {notation::AndroidTransparent, "#40123456", "#FF123456"},
    };
    item("UseAlphaChannels1")->trigger();
    ASSERT_FALSE(area<ChannelEditors>().alphaMode());
    for (const Row &row : rows) {
        SCOPED_TRACE(row.typed);
        chooseNotation(row.notation);
        box("edtColor")->setText(QString::fromLatin1(row.typed));
        QTest::mouseClick(control("btnSet"), Qt::LeftButton);
        EXPECT_EQ(pipeline().alpha(), 255);
        EXPECT_EQ(box("edtColor")->text(), row.shown);
        EXPECT_EQ(slider("scrollbarAlpha")->Value(), 255);
    }
    // With alpha mode on again the code's alpha is taken.
    item("UseAlphaChannels1")->trigger();
    chooseNotation(notation::CSSColor);
    box("edtColor")->setText(QStringLiteral("rgb(1 2 3 / 0.5)"));
    QTest::mouseClick(control("btnSet"), Qt::LeftButton);
    EXPECT_EQ(pipeline().alpha(), 128);
    EXPECT_EQ(box("edtColor")->text(), "rgb(1 2 3 / 0.502)");
}

TEST_F(ChannelEditorsTest, AlphaModeOffShowsBrightnessAndResetsAlpha)
{
    control<QComboBox>("cbxDisplay")->setCurrentIndex(13);
    box("edtAlpha")->setText("128");
    EXPECT_EQ(slider("scrollbarAlpha")->Value(), 128);
    EXPECT_TRUE(box("edtColor")->text().endsWith("80"));

    item("UseAlphaChannels1")->trigger();
    EXPECT_FALSE(area<ChannelEditors>().alphaMode());
    EXPECT_EQ(control<QLabel>("lblAlpha")->text(), "Brightness");
    EXPECT_FALSE(box("edtAlpha")->isVisible());
    EXPECT_FALSE(slider("scrollbarAlpha")->isVisible());
    EXPECT_TRUE(slider("scrollbarBrightness")->isVisible());
    EXPECT_EQ(slider("scrollbarAlpha")->Value(), 255);
    EXPECT_TRUE(box("edtColor")->text().endsWith("FF"));

    item("UseAlphaChannels1")->trigger();
    EXPECT_EQ(control<QLabel>("lblAlpha")->text(), "Alpha");
    EXPECT_TRUE(box("edtAlpha")->isVisible());
}

TEST_F(ChannelEditorsTest, AlphaSliderUpdatesItsBoxAndTheAlphaCodes)
{
    control<QComboBox>("cbxDisplay")->setCurrentIndex(12);
    setColor(ComposeColor(18, 52, 86));
    pressSlider(slider("scrollbarAlpha"), 68);
    EXPECT_EQ(slider("scrollbarAlpha")->Value(), 128);
    EXPECT_EQ(box("edtAlpha")->text(), "128");
    EXPECT_EQ(box("edtColor")->text(), "#80123456");
}

TEST_F(ChannelEditorsTest, WheelStepsTheBoxUnderThePointer)
{
    const auto wheel = [](QWidget *target, int delta) {
        QWheelEvent event(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
    };
    setColor(ComposeColor(254, 0, 0));
    wheel(box("edtRed"), 120);
    EXPECT_EQ(box("edtRed")->text(), "255");
    wheel(box("edtRed"), 120);
    EXPECT_EQ(box("edtRed")->text(), "255");
    EXPECT_EQ(RedOf(color()), 255);
    wheel(slider("scrollbarGreen"), -120);
    EXPECT_EQ(GreenOf(color()), 0);
    wheel(slider("scrollbarGreen"), 120);
    EXPECT_EQ(GreenOf(color()), 1);
    box("edtBlue")->setText("");
    wheel(box("edtBlue"), 120);
    EXPECT_EQ(box("edtBlue")->text(), "");
}

} // namespace
} // namespace pigmentrix
