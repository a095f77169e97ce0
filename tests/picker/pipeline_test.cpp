#include "window_test_fixture.h"

#include "model/color_codes.h"

#include <QComboBox>
#include <QTest>

namespace pigmentrix {
namespace {

using PipelineTest = PickerWindowTest;

struct EditorTexts {
    QString red, green, blue, hue, saturation, value;
};

EditorTexts Texts(const TfrmColorPick &w)
{
    return {w.edtRed->text(), w.edtGreen->text(), w.edtBlue->text(),
            w.edtHue->text(), w.edtSaturation->text(), w.edtValue->text()};
}

TEST_F(PipelineTest, FreshWindowShowsTheDesignColourEverywhere)
{
    EXPECT_EQ(color(), 14772545);
    EXPECT_EQ(window->edtRed->text(), "65");
    EXPECT_EQ(window->edtGreen->text(), "105");
    EXPECT_EQ(window->edtBlue->text(), "225");
    EXPECT_EQ(window->scrollbarBlue->Value(), 225);
    EXPECT_EQ(window->edtHue->text(), "225");
    EXPECT_EQ(window->scrollbarBrightness->Value(), 131);
    // No notation is chosen before a stored one is restored.
    EXPECT_EQ(window->edtColor->text(), "");
    EXPECT_EQ(window->windowTitle(), "Pigmentrix " + window->version);
}

TEST_F(PipelineTest, ApplyRewritesEveryEditorAndTheCode)
{
    window->cbxDisplay->setCurrentIndex(0);
    setColor(ComposeColor(255, 128, 0));
    const EditorTexts texts = Texts(*window);
    EXPECT_EQ(texts.red, "255");
    EXPECT_EQ(texts.green, "128");
    EXPECT_EQ(texts.blue, "0");
    EXPECT_EQ(texts.hue, "30");
    EXPECT_EQ(texts.saturation, "255");
    EXPECT_EQ(texts.value, "255");
    EXPECT_EQ(window->scrollbarred->Value(), 255);
    EXPECT_EQ(window->scrollbarHue->Value(), 30);
    EXPECT_EQ(window->scrollbarBrightness->Value(), 127);
    EXPECT_EQ(window->edtColor->text(), "#FF8000");
}

TEST_F(PipelineTest, RedBoxAboveRangeContributesItsLowByte)
{
    setColor(ComposeColor(10, 20, 30));
    typeInto(window->edtRed, "300");
    EXPECT_EQ(RedOf(color()), 44);
    // The slider stays at the last number in its range ("30") and the box
    // keeps the text.
    EXPECT_EQ(window->scrollbarred->Value(), 30);
    EXPECT_EQ(window->edtRed->text(), "300");
    leave(window->edtRed);
    EXPECT_EQ(window->edtRed->text(), "255");
    EXPECT_EQ(RedOf(color()), 255);
}

TEST_F(PipelineTest, TypingKeepsTheCaretInTheBoxBeingTyped)
{
    setColor(ComposeColor(0, 0, 0));
    window->edtGreen->setFocus();
    window->edtGreen->selectAll();
    QTest::keyClicks(window->edtGreen, "12");
    EXPECT_EQ(window->edtGreen->text(), "12");
    EXPECT_EQ(window->edtGreen->cursorPosition(), 2);
    EXPECT_EQ(GreenOf(color()), 12);
}

TEST_F(PipelineTest, HueBoxDrivesTheColourAndKeepsItsOwnText)
{
    setColor(ComposeColor(255, 0, 0));
    typeInto(window->edtHue, "120");
    EXPECT_EQ(color(), ComposeColor(0, 255, 0));
    EXPECT_EQ(window->edtHue->text(), "120");
    EXPECT_EQ(window->scrollbarHue->Value(), 120);
}

TEST_F(PipelineTest, HueAbove360KeepsThePreviousColour)
{
    setColor(ComposeColor(255, 0, 0));
    typeInto(window->edtHue, "99");
    const TColor at99 = color();
    QTest::keyClicks(window->edtHue, "9");
    EXPECT_EQ(window->edtHue->text(), "999");
    EXPECT_EQ(color(), at99);
    leave(window->edtHue);
    EXPECT_EQ(window->edtHue->text(), "360");
    EXPECT_EQ(color(), ComposeColor(255, 0, 0));
}

TEST_F(PipelineTest, SliderChangeLeavesThatSliderAlone)
{
    setColor(ComposeColor(0, 0, 0));
    pressSlider(window->scrollbarred, 68);
    EXPECT_EQ(window->scrollbarred->Value(), 128);
    EXPECT_EQ(color(), ComposeColor(128, 0, 0));
    EXPECT_EQ(window->edtRed->text(), "128");
    EXPECT_EQ(window->edtValue->text(), "128");
}

TEST_F(PipelineTest, ValueSliderWritesTheHsvBoxesFromTheSliders)
{
    setColor(ComposeColor(255, 0, 0));
    pressSlider(window->scrollbarValue, 68);
    EXPECT_EQ(window->edtValue->text(), "128");
    EXPECT_EQ(window->edtHue->text(), "0");
    EXPECT_EQ(color(), ComposeColor(128, 0, 0));
}

TEST_F(PipelineTest, HueSliderOnGreyKeepsTheColourButRepaintsTheTracks)
{
    setColor(ComposeColor(128, 128, 128));
    pressSlider(window->scrollbarHue, 68);
    EXPECT_EQ(color(), ComposeColor(128, 128, 128));
    EXPECT_EQ(window->scrollbarHue->Value(), 180);
    EXPECT_EQ(window->scrollbarSaturation->BaseH, 180);
}

TEST_F(PipelineTest, ColourParameterIsAppliedWhenShown)
{
    struct Row {
        const char *parameter;
        TColor expected;
        bool message;
    };
    const Row rows[] = {
        {"#FF8000", ComposeColor(255, 128, 0), false},
        {"FF8000", ComposeColor(255, 128, 0), false},
        {"ABCDE", ComposeColor(0xAB, 0xCD, 0x0E), false},
        {"ABCD", 14772545, true},
        {"#ABC", 14772545, true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.parameter);
        dialogs.messages.clear();
        openWindow({}, QString::fromLatin1(row.parameter));
        EXPECT_EQ(color(), row.expected);
        EXPECT_EQ(dialogs.messages, row.message ? QStringList{"Incorrect Color Parameter Format"} : QStringList{});
        EXPECT_FALSE(window->history.canUndo());
    }
}

TEST_F(PipelineTest, PastedGarbageIsReportedAndTheWindowKeepsWorking)
{
    setColor(ComposeColor(1, 2, 3));
    window->edtRed->setText("abc");
    EXPECT_EQ(dialogs.errors, QStringList{"'abc' is not a valid integer value."});
    EXPECT_EQ(color(), ComposeColor(1, 2, 3));
    leave(window->edtRed);
    EXPECT_EQ(window->edtRed->text(), "0");
    EXPECT_EQ(color(), ComposeColor(0, 2, 3));
    typeInto(window->edtGreen, "50");
    EXPECT_EQ(color(), ComposeColor(0, 50, 3));
    EXPECT_EQ(window->edtSaturation->text(), "255");
}

} // namespace
} // namespace pigmentrix
