#include "window_test_fixture.h"

#include "displays/color_frame_panel.h"
#include "model/color_codes.h"

#include <QAction>
#include <QGuiApplication>

namespace pigmentrix {
namespace {

class ColorFrameCommandsTest : public PickerWindowTest {
protected:
    ColorFramePanel *frame() const { return control<ColorFramePanel>("pnlColor"); }
    QRgb framePixel(int x, int y) const { return frame()->picture().pixel(x, y); }
};

TEST_F(ColorFrameCommandsTest, FrameShowsTheCurrentColour)
{
    setColor(ComposeColor(65, 105, 225));
    EXPECT_EQ(frame()->picture().size(), QSize(96, 106));
    EXPECT_EQ(framePixel(0, 0), qRgb(65, 105, 225));
    EXPECT_EQ(framePixel(95, 105), qRgb(65, 105, 225));
}

TEST_F(ColorFrameCommandsTest, TransparentColourShowsTheCheckerboard)
{
    setColor(ComposeColor(65, 105, 225));
    box("edtAlpha")->setText("0");
    EXPECT_EQ(framePixel(0, 0), qRgb(192, 192, 192));
    EXPECT_EQ(framePixel(10, 0), qRgb(255, 255, 255));
}

TEST_F(ColorFrameCommandsTest, TextColourCommands)
{
    struct Row {
        const char *item;
        TColor expected;
    };
    const Row rows[] = {
        {"setTextcolortoWhite1", clWhite},
        {"setTextcolortoBlack1", clBlack},
        {"setTextColortoContrastColor1", clWhite},
        {"setTextcolortotheinverseoftheBGcolor1", ComposeColor(190, 150, 30)},
    };
    setColor(ComposeColor(65, 105, 225));
    for (const Row &row : rows) {
        item(row.item)->trigger();
        EXPECT_EQ(frame()->FontColor, row.expected);
    }
}

TEST_F(ColorFrameCommandsTest, UseTextTogglesBothItemsAndRestoresTheDefaultText)
{
    dialogs.textAnswer = QStringLiteral("Sample");
    item("ChangeText1")->trigger();
    EXPECT_EQ(frame()->Caption, "Sample");
    item("UseTextinColorFrame1")->trigger();
    EXPECT_FALSE(item("UseText")->isChecked());
    EXPECT_FALSE(item("UseTextinColorFrame1")->isChecked());
    EXPECT_EQ(frame()->Caption, "");
    item("UseText")->trigger();
    EXPECT_TRUE(item("UseText")->isChecked());
    EXPECT_TRUE(item("UseTextinColorFrame1")->isChecked());
    EXPECT_EQ(frame()->Caption, "Pigmentrix");
}

TEST_F(ColorFrameCommandsTest, ChangeTextCancelledKeepsTheCaption)
{
    dialogs.textAnswer.reset();
    item("ChangeText1")->trigger();
    EXPECT_EQ(frame()->Caption, "Pigmentrix");
    dialogs.textAnswer = QString();
    item("ChangeText1")->trigger();
    EXPECT_EQ(frame()->Caption, "");
}

TEST_F(ColorFrameCommandsTest, ChangeFontCancelledKeepsTheFont)
{
    const QFont before = frame()->Font;
    dialogs.fontAnswer.reset();
    item("ChangeFont1")->trigger();
    EXPECT_EQ(frame()->Font, before);
    QFont chosen = before;
    chosen.setPixelSize(20);
    dialogs.fontAnswer = chosen;
    item("ChangeFont2")->trigger();
    EXPECT_EQ(frame()->Font.pixelSize(), 20);
}

} // namespace
} // namespace pigmentrix
