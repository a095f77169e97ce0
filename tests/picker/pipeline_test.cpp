#include "window_test_fixture.h"

#include "model/color_codes.h"
#include "picker/history_actions.h"

#include <QComboBox>
#include <QTest>

namespace pigmentrix {
namespace {

struct EditorTexts {
    QString red, green, blue, hue, saturation, value;
};

class PipelineTest : public PickerWindowTest {
protected:
    EditorTexts editorTexts() const
    {
        return {box("edtRed")->text(), box("edtGreen")->text(),      box("edtBlue")->text(),
                box("edtHue")->text(), box("edtSaturation")->text(), box("edtValue")->text()};
    }
};

TEST_F(PipelineTest, FreshWindowShowsTheDesignColourEverywhere)
{
    EXPECT_EQ(color(), 14772545);
    EXPECT_EQ(box("edtRed")->text(), "65");
    EXPECT_EQ(box("edtGreen")->text(), "105");
    EXPECT_EQ(box("edtBlue")->text(), "225");
    EXPECT_EQ(slider("scrollbarBlue")->Value(), 225);
    EXPECT_EQ(box("edtHue")->text(), "225");
    EXPECT_EQ(slider("scrollbarBrightness")->Value(), 131);
    // No notation is chosen before a stored one is restored.
    EXPECT_EQ(box("edtColor")->text(), "");
    EXPECT_EQ(window->windowTitle(), "Pigmentrix " + window->version());
}

TEST_F(PipelineTest, ApplyRewritesEveryEditorAndTheCode)
{
    control<QComboBox>("cbxDisplay")->setCurrentIndex(0);
    setColor(ComposeColor(255, 128, 0));
    const EditorTexts texts = editorTexts();
    EXPECT_EQ(texts.red, "255");
    EXPECT_EQ(texts.green, "128");
    EXPECT_EQ(texts.blue, "0");
    EXPECT_EQ(texts.hue, "30");
    EXPECT_EQ(texts.saturation, "255");
    EXPECT_EQ(texts.value, "255");
    EXPECT_EQ(slider("scrollbarred")->Value(), 255);
    EXPECT_EQ(slider("scrollbarHue")->Value(), 30);
    EXPECT_EQ(slider("scrollbarBrightness")->Value(), 127);
    EXPECT_EQ(box("edtColor")->text(), "#FF8000");
}

TEST_F(PipelineTest, RedBoxAboveRangeContributesItsLowByte)
{
    setColor(ComposeColor(10, 20, 30));
    typeInto(box("edtRed"), "300");
    EXPECT_EQ(RedOf(color()), 44);
    // The slider stays at the last number in its range ("30") and the box
    // keeps the text.
    EXPECT_EQ(slider("scrollbarred")->Value(), 30);
    EXPECT_EQ(box("edtRed")->text(), "300");
    leave(box("edtRed"));
    EXPECT_EQ(box("edtRed")->text(), "255");
    EXPECT_EQ(RedOf(color()), 255);
}

TEST_F(PipelineTest, TypingKeepsTheCaretInTheBoxBeingTyped)
{
    setColor(ComposeColor(0, 0, 0));
    box("edtGreen")->setFocus();
    box("edtGreen")->selectAll();
    QTest::keyClicks(box("edtGreen"), "12");
    EXPECT_EQ(box("edtGreen")->text(), "12");
    EXPECT_EQ(box("edtGreen")->cursorPosition(), 2);
    EXPECT_EQ(GreenOf(color()), 12);
}

TEST_F(PipelineTest, HueBoxDrivesTheColourAndKeepsItsOwnText)
{
    setColor(ComposeColor(255, 0, 0));
    typeInto(box("edtHue"), "120");
    EXPECT_EQ(color(), ComposeColor(0, 255, 0));
    EXPECT_EQ(box("edtHue")->text(), "120");
    EXPECT_EQ(slider("scrollbarHue")->Value(), 120);
}

TEST_F(PipelineTest, HueAbove360KeepsThePreviousColour)
{
    setColor(ComposeColor(255, 0, 0));
    typeInto(box("edtHue"), "99");
    const TColor at99 = color();
    QTest::keyClicks(box("edtHue"), "9");
    EXPECT_EQ(box("edtHue")->text(), "999");
    EXPECT_EQ(color(), at99);
    leave(box("edtHue"));
    EXPECT_EQ(box("edtHue")->text(), "360");
    EXPECT_EQ(color(), ComposeColor(255, 0, 0));
}

TEST_F(PipelineTest, SliderChangeLeavesThatSliderAlone)
{
    setColor(ComposeColor(0, 0, 0));
    pressSlider(slider("scrollbarred"), 68);
    EXPECT_EQ(slider("scrollbarred")->Value(), 128);
    EXPECT_EQ(color(), ComposeColor(128, 0, 0));
    EXPECT_EQ(box("edtRed")->text(), "128");
    EXPECT_EQ(box("edtValue")->text(), "128");
}

TEST_F(PipelineTest, ValueSliderWritesTheHsvBoxesFromTheSliders)
{
    setColor(ComposeColor(255, 0, 0));
    pressSlider(slider("scrollbarValue"), 68);
    EXPECT_EQ(box("edtValue")->text(), "128");
    EXPECT_EQ(box("edtHue")->text(), "0");
    EXPECT_EQ(color(), ComposeColor(128, 0, 0));
}

TEST_F(PipelineTest, HueSliderOnGreyKeepsTheColourButRepaintsTheTracks)
{
    setColor(ComposeColor(128, 128, 128));
    pressSlider(slider("scrollbarHue"), 68);
    EXPECT_EQ(color(), ComposeColor(128, 128, 128));
    EXPECT_EQ(slider("scrollbarHue")->Value(), 180);
    EXPECT_EQ(slider("scrollbarSaturation")->BaseH(), 180);
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
        EXPECT_FALSE(area<HistoryActions>().history().canUndo());
    }
}

TEST_F(PipelineTest, PastedGarbageIsReportedAndTheWindowKeepsWorking)
{
    setColor(ComposeColor(1, 2, 3));
    box("edtRed")->setText("abc");
    EXPECT_EQ(dialogs.errors, QStringList{"'abc' is not a valid integer value."});
    EXPECT_EQ(color(), ComposeColor(1, 2, 3));
    leave(box("edtRed"));
    EXPECT_EQ(box("edtRed")->text(), "0");
    EXPECT_EQ(color(), ComposeColor(0, 2, 3));
    typeInto(box("edtGreen"), "50");
    EXPECT_EQ(color(), ComposeColor(0, 50, 3));
    EXPECT_EQ(box("edtSaturation")->text(), "255");
}

} // namespace
} // namespace pigmentrix
