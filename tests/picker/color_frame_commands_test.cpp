#include "window_test_fixture.h"

#include "displays/color_frame_panel.h"
#include "model/color_codes.h"
#include "picker/history_actions.h"
#include "ui/qt_color.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>

namespace pigmentrix {
namespace {

class ColorFrameCommandsTest : public PickerWindowTest {
protected:
    ColorFramePanel *frame() const { return control<ColorFramePanel>("pnlColor"); }
    QRgb framePixel(int x, int y) const { return frame()->picture().pixel(x, y); }
};

TEST_F(ColorFrameCommandsTest, TheFramesMenuItemsStartWithACapital)
{
    const std::pair<const char *, const char *> rows[] = {
        {"setTextcolortoWhite1", "Set Text Color to White"},
        {"setTextcolortoBlack1", "Set Text Color to Black"},
        {"setTextColortoContrastColor1", "Set Text Color to Contrast Color"},
        {"setTextcolortotheinverseoftheBGcolor1", "Set Text Color to the inverse of the BG Color"},
        {"SwapColorandTextColor1", "Swap Color and Text Color"},
    };
    for (const auto &[name, caption] : rows) {
        SCOPED_TRACE(name);
        EXPECT_EQ(item(name)->text(), caption);
    }
}

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

// The frame tells the WCAG 2 contrast of the colour against its text colour
// and follows both; its tip gives white and black too.
TEST_F(ColorFrameCommandsTest, ShowsTheContrastAgainstTheTextColour)
{
    struct Row {
        TColor color;
        const char *textItem;
        QString shown;
    };
    const Row rows[] = {
        {ComposeColor(0x77, 0x77, 0x77), "setTextcolortoWhite1", "4.48:1 AA large"},
        {ComposeColor(0x76, 0x76, 0x76), "setTextcolortoWhite1", "4.54:1\nAA, AAA large"},
        {ComposeColor(0x59, 0x59, 0x59), "setTextcolortoWhite1", "7.00:1 AAA"},
        {ComposeColor(0x95, 0x95, 0x95), "setTextcolortoWhite1", "2.99:1 Fail"},
        {clWhite, "setTextcolortoBlack1", "21.00:1 AAA"},
    };
    auto *label = control<QLabel>("lblContrast");
    for (const Row &row : rows) {
        setColor(row.color);
        item(row.textItem)->trigger();
        EXPECT_EQ(label->text(), row.shown);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), ToQColor(frame()->FontColor()))
            << "in the frame's text colour";
        const QRect needed = label->fontMetrics().boundingRect(label->rect(), Qt::AlignCenter, label->text());
        EXPECT_TRUE(label->rect().contains(needed)) << "the whole text fits: " << row.shown.toStdString();
        EXPECT_TRUE(QRect(QPoint(), frame()->size()).contains(label->geometry())) << "inside the frame";
    }
    setColor(ComposeColor(0x77, 0x77, 0x77));
    EXPECT_TRUE(label->toolTip().contains("With white: 4.48:1 (normal text AA fail, AAA fail; large text AA pass, "
                                          "AAA fail)"))
        << label->toolTip().toStdString();
    EXPECT_TRUE(label->toolTip().contains("With black: 4.69:1")) << label->toolTip().toStdString();
}

// A translucent colour is measured as it shows on white (the frame's light
// squares), the same way pigmentrix-cli measures it, and the frame says so.
TEST_F(ColorFrameCommandsTest, ContrastOfATranslucentColourIsMeasuredOverWhite)
{
    struct Row {
        const char *alpha;
        QString shown;
        bool noted;
    };
    const Row rows[] = {
        {"255", "4.00:1 AA large", false},
        {"26", "1.19:1 Fail\nover white", true},
        {"0", "1.00:1 Fail\nover white", true},
    };
    auto *label = control<QLabel>("lblContrast");
    setColor(ComposeColor(255, 0, 0));
    item("setTextcolortoWhite1")->trigger();
    for (const Row &row : rows) {
        SCOPED_TRACE(row.alpha);
        typeInto(box("edtAlpha"), QString::fromLatin1(row.alpha));
        EXPECT_EQ(label->text(), row.shown);
        const QRect needed = label->fontMetrics().boundingRect(label->rect(), Qt::AlignCenter, label->text());
        EXPECT_TRUE(label->rect().contains(needed)) << "the whole text fits";
        EXPECT_TRUE(QRect(QPoint(), frame()->size()).contains(label->geometry())) << "inside the frame";
        EXPECT_EQ(
            label->toolTip().contains(
                QStringLiteral("The background is translucent (alpha %1 of 255").arg(QString::fromLatin1(row.alpha))),
            row.noted)
            << label->toolTip().toStdString();
    }
}

TEST_F(ColorFrameCommandsTest, SwapMakesTheTextColourCurrentAndUndoes)
{
    setColor(ComposeColor(0x12, 0x34, 0x56));
    item("setTextcolortoWhite1")->trigger();
    item("SwapColorandTextColor1")->trigger();
    EXPECT_EQ(color(), clWhite);
    EXPECT_EQ(frame()->FontColor(), ComposeColor(0x12, 0x34, 0x56));
    EXPECT_EQ(control<QLabel>("lblContrast")->text(), "12.72:1 AAA");
    EXPECT_EQ(area<HistoryActions>().history().undoEntries()[0].color, ComposeColor(0x12, 0x34, 0x56));
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
        EXPECT_EQ(frame()->FontColor(), row.expected);
    }
}

TEST_F(ColorFrameCommandsTest, UseTextTogglesBothItemsAndRestoresTheDefaultText)
{
    dialogs.textAnswer = QStringLiteral("Sample");
    item("ChangeText1")->trigger();
    EXPECT_EQ(frame()->Caption(), "Sample");
    item("UseTextinColorFrame1")->trigger();
    EXPECT_FALSE(item("UseText")->isChecked());
    EXPECT_FALSE(item("UseTextinColorFrame1")->isChecked());
    EXPECT_EQ(frame()->Caption(), "");
    item("UseText")->trigger();
    EXPECT_TRUE(item("UseText")->isChecked());
    EXPECT_TRUE(item("UseTextinColorFrame1")->isChecked());
    EXPECT_EQ(frame()->Caption(), "Pigmentrix");
}

TEST_F(ColorFrameCommandsTest, ChangeTextCancelledKeepsTheCaption)
{
    dialogs.textAnswer.reset();
    item("ChangeText1")->trigger();
    EXPECT_EQ(frame()->Caption(), "Pigmentrix");
    dialogs.textAnswer = QString();
    item("ChangeText1")->trigger();
    EXPECT_EQ(frame()->Caption(), "");
}

TEST_F(ColorFrameCommandsTest, ChangeFontCancelledKeepsTheFont)
{
    const QFont before = frame()->TextFont();
    dialogs.fontAnswer.reset();
    item("ChangeFont1")->trigger();
    EXPECT_EQ(frame()->TextFont(), before);
    QFont chosen = before;
    chosen.setPixelSize(20);
    dialogs.fontAnswer = chosen;
    item("ChangeFont2")->trigger();
    EXPECT_EQ(frame()->TextFont().pixelSize(), 20);
}

} // namespace
} // namespace pigmentrix
