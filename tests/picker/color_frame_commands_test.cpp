#include "window_test_fixture.h"

#include "model/color_codes.h"
#include "picker/color_frame_panel.h"

#include <QAction>
#include <QGuiApplication>

namespace pigmentrix {
namespace {

using ColorFrameCommandsTest = PickerWindowTest;

QRgb FramePixel(const TfrmColorPick &w, int x, int y)
{
    return w.pnlColor->picture().pixel(x, y);
}

TEST_F(ColorFrameCommandsTest, FrameShowsTheCurrentColour)
{
    setColor(ComposeColor(65, 105, 225));
    EXPECT_EQ(window->pnlColor->picture().size(), QSize(96, 106));
    EXPECT_EQ(FramePixel(*window, 0, 0), qRgb(65, 105, 225));
    EXPECT_EQ(FramePixel(*window, 95, 105), qRgb(65, 105, 225));
}

TEST_F(ColorFrameCommandsTest, TransparentColourShowsTheCheckerboard)
{
    setColor(ComposeColor(65, 105, 225));
    window->edtAlpha->setText("0");
    EXPECT_EQ(FramePixel(*window, 0, 0), qRgb(192, 192, 192));
    EXPECT_EQ(FramePixel(*window, 10, 0), qRgb(255, 255, 255));
}

TEST_F(ColorFrameCommandsTest, TextColourCommands)
{
    struct Row {
        QAction *TfrmColorPick::*item;
        TColor expected;
    };
    const Row rows[] = {
        {&TfrmColorPick::setTextcolortoWhite1, clWhite},
        {&TfrmColorPick::setTextcolortoBlack1, clBlack},
        {&TfrmColorPick::setTextColortoContrastColor1, clWhite},
        {&TfrmColorPick::setTextcolortotheinverseoftheBGcolor1, ComposeColor(190, 150, 30)},
    };
    setColor(ComposeColor(65, 105, 225));
    for (const Row &row : rows) {
        ((*window).*(row.item))->trigger();
        EXPECT_EQ(window->pnlColor->FontColor, row.expected);
    }
}

TEST_F(ColorFrameCommandsTest, UseTextTogglesBothItemsAndRestoresTheDefaultText)
{
    dialogs.textAnswer = QStringLiteral("Sample");
    window->ChangeText1->trigger();
    EXPECT_EQ(window->pnlColor->Caption, "Sample");
    window->UseTextinColorFrame1->trigger();
    EXPECT_FALSE(window->UseText->isChecked());
    EXPECT_FALSE(window->UseTextinColorFrame1->isChecked());
    EXPECT_EQ(window->pnlColor->Caption, "");
    window->UseText->trigger();
    EXPECT_TRUE(window->UseText->isChecked());
    EXPECT_TRUE(window->UseTextinColorFrame1->isChecked());
    EXPECT_EQ(window->pnlColor->Caption, "Pigmentrix");
}

TEST_F(ColorFrameCommandsTest, ChangeTextCancelledKeepsTheCaption)
{
    dialogs.textAnswer.reset();
    window->ChangeText1->trigger();
    EXPECT_EQ(window->pnlColor->Caption, "Pigmentrix");
    dialogs.textAnswer = QString();
    window->ChangeText1->trigger();
    EXPECT_EQ(window->pnlColor->Caption, "");
}

TEST_F(ColorFrameCommandsTest, ChangeFontCancelledKeepsTheFont)
{
    const QFont before = window->pnlColor->Font;
    dialogs.fontAnswer.reset();
    window->ChangeFont1->trigger();
    EXPECT_EQ(window->pnlColor->Font, before);
    QFont chosen = before;
    chosen.setPixelSize(20);
    dialogs.fontAnswer = chosen;
    window->ChangeFont2->trigger();
    EXPECT_EQ(window->pnlColor->Font.pixelSize(), 20);
}

} // namespace
} // namespace pigmentrix
