#include "window_test_fixture.h"

#include "model/color_codes.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QTest>

namespace pigmentrix {
namespace {

using ColorCodeBoxTest = PickerWindowTest;

TEST_F(ColorCodeBoxTest, SetAppliesATypedCode)
{
    window->cbxDisplay->setCurrentIndex(4);
    setColor(0);
    window->edtColor->setText("255 , 128 , 0");
    QTest::mouseClick(window->btnSet, Qt::LeftButton);
    EXPECT_EQ(color(), ComposeColor(255, 128, 0));
    EXPECT_EQ(window->edtColor->text(), "255,128,0") << "rewritten in canonical form";
    EXPECT_EQ(window->history.undoEntries()[0], 0);
}

TEST_F(ColorCodeBoxTest, EnterInTheCodeBoxActsAsSet)
{
    window->cbxDisplay->setCurrentIndex(0);
    window->edtColor->setFocus();
    window->edtColor->setText("#123456");
    QTest::keyClick(window->edtColor, Qt::Key_Return);
    EXPECT_EQ(color(), ComposeColor(0x12, 0x34, 0x56));
}

TEST_F(ColorCodeBoxTest, BadCodeShowsTheMessageAndChangesNothingButHistory)
{
    window->cbxDisplay->setCurrentIndex(0);
    setColor(ComposeColor(1, 2, 3));
    window->edtColor->setText("#ABC");
    window->btnSetClick();
    EXPECT_EQ(dialogs.messages, QStringList{"Unable to convert color values."});
    EXPECT_EQ(color(), ComposeColor(1, 2, 3));
    EXPECT_EQ(window->edtColor->text(), "#ABC");
    EXPECT_EQ(window->history.undoEntries()[0], ComposeColor(1, 2, 3));
    // The editors still answer the user afterwards.
    typeInto(window->edtRed, "9");
    EXPECT_EQ(color(), ComposeColor(9, 2, 3));
}

TEST_F(ColorCodeBoxTest, AlphaNotationsSetTheAlphaSlider)
{
    window->cbxDisplay->setCurrentIndex(12);
    window->edtColor->setText("#80123456");
    window->btnSetClick();
    EXPECT_EQ(color(), ComposeColor(18, 52, 86));
    EXPECT_EQ(window->scrollbarAlpha->Value(), 128);
    EXPECT_EQ(window->edtColor->text(), "#80123456");
}

TEST_F(ColorCodeBoxTest, NoNotationSetsWhite)
{
    ASSERT_EQ(window->cbxDisplay->currentIndex(), -1);
    window->edtColor->setText("whatever");
    window->btnSetClick();
    EXPECT_EQ(color(), clWhite);
}

TEST_F(ColorCodeBoxTest, CopyPutsTheBoxTextOnTheClipboard)
{
    window->cbxDisplay->setCurrentIndex(0);
    window->edtColor->setText("typed, not applied");
    QTest::mouseClick(window->btnCopy, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "typed, not applied");
    EXPECT_EQ(window->edtColor->selectedText(), "typed, not applied");
}

TEST_F(ColorCodeBoxTest, MenuChoosesTheNotation)
{
    setColor(ComposeColor(255, 128, 0));
    window->colorDisplayItems[6]->trigger();
    EXPECT_EQ(window->cbxDisplay->currentIndex(), 6);
    EXPECT_EQ(window->edtColor->text(), "30, 100%, 50%");
}

TEST_F(ColorCodeBoxTest, UppercaseSwitchConvertsTheTextAsItStands)
{
    setColor(ComposeColor(255, 128, 0));
    window->cbxDisplay->setCurrentIndex(3);
    window->cbxDisplayChange();
    EXPECT_EQ(window->edtColor->text(), "0xFF0080FF");
    window->UpperCaseColorCodes1->trigger();
    EXPECT_EQ(window->edtColor->text(), "0xff0080ff");
    window->UpperCaseColorCodes1->trigger();
    EXPECT_EQ(window->edtColor->text(), "0XFF0080FF");
    window->cbxDisplayChange();
    EXPECT_EQ(window->edtColor->text(), "0xFF0080FF");
}

} // namespace
} // namespace pigmentrix
