#include "window_test_fixture.h"

#include "model/color_codes.h"
#include "picker/color_code_box.h"
#include "picker/history_actions.h"

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
    control<QComboBox>("cbxDisplay")->setCurrentIndex(4);
    setColor(0);
    box("edtColor")->setText("255 , 128 , 0");
    QTest::mouseClick(control<QPushButton>("btnSet"), Qt::LeftButton);
    EXPECT_EQ(color(), ComposeColor(255, 128, 0));
    EXPECT_EQ(box("edtColor")->text(), "255,128,0") << "rewritten in canonical form";
    EXPECT_EQ(area<HistoryActions>().history().undoEntries()[0], 0);
}

TEST_F(ColorCodeBoxTest, EnterInTheCodeBoxActsAsSet)
{
    control<QComboBox>("cbxDisplay")->setCurrentIndex(0);
    box("edtColor")->setFocus();
    box("edtColor")->setText("#123456");
    QTest::keyClick(box("edtColor"), Qt::Key_Return);
    EXPECT_EQ(color(), ComposeColor(0x12, 0x34, 0x56));
}

TEST_F(ColorCodeBoxTest, BadCodeShowsTheMessageAndChangesNothingButHistory)
{
    control<QComboBox>("cbxDisplay")->setCurrentIndex(0);
    setColor(ComposeColor(1, 2, 3));
    box("edtColor")->setText("#ABC");
    area<ColorCodeBox>().btnSetClick();
    EXPECT_EQ(dialogs.messages, QStringList{"Unable to convert color values."});
    EXPECT_EQ(color(), ComposeColor(1, 2, 3));
    EXPECT_EQ(box("edtColor")->text(), "#ABC");
    EXPECT_EQ(area<HistoryActions>().history().undoEntries()[0], ComposeColor(1, 2, 3));
    // The editors still answer the user afterwards.
    typeInto(box("edtRed"), "9");
    EXPECT_EQ(color(), ComposeColor(9, 2, 3));
}

TEST_F(ColorCodeBoxTest, APastedCodeKeepsItsFirstLineAndALongOneIsNotCut)
{
    struct Row {
        const char *name;
        QString pasted;
        QString kept;
    };
    const Row rows[] = {
        {"line feed after it", "#FF8000\n", "#FF8000"},
        {"CR LF after it", "#FF8000\r\n", "#FF8000"},
        {"two lines", "#123456\n#654321", "#123456"},
        {"one line", "#ABCDEF", "#ABCDEF"},
    };
    control<QComboBox>("cbxDisplay")->setCurrentIndex(0);
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        QGuiApplication::clipboard()->setText(row.pasted);
        box("edtColor")->clear();
        box("edtColor")->paste();
        EXPECT_EQ(box("edtColor")->text(), row.kept);
        area<ColorCodeBox>().btnSetClick();
        EXPECT_TRUE(dialogs.messages.isEmpty());
    }
    EXPECT_EQ(color(), ComposeColor(0xAB, 0xCD, 0xEF));

    const QString longCode = "#" + QString(40000, 'G');
    box("edtColor")->setText(longCode);
    EXPECT_EQ(box("edtColor")->text().size(), longCode.size()) << "nothing is cut";
    area<ColorCodeBox>().btnSetClick();
    EXPECT_EQ(dialogs.messages, QStringList{"Unable to convert color values."});
}

TEST_F(ColorCodeBoxTest, AlphaNotationsSetTheAlphaSliderAndItsBox)
{
    struct Row {
        int notation;
        const char *code;
        int alpha;
    };
    const Row rows[] = {{12, "#80123456", 128}, {13, "#1234567F", 127}, {12, "#FF123456", 255}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.code);
        control<QComboBox>("cbxDisplay")->setCurrentIndex(row.notation);
        box("edtColor")->setText(row.code);
        area<ColorCodeBox>().btnSetClick();
        EXPECT_EQ(color(), ComposeColor(18, 52, 86));
        EXPECT_EQ(slider("scrollbarAlpha")->Value(), row.alpha);
        EXPECT_EQ(box("edtAlpha")->text(), QString::number(row.alpha)) << "the box follows its slider";
        EXPECT_EQ(box("edtColor")->text(), row.code);
    }
}

TEST_F(ColorCodeBoxTest, NoNotationSetsWhite)
{
    ASSERT_EQ(control<QComboBox>("cbxDisplay")->currentIndex(), -1);
    box("edtColor")->setText("whatever");
    area<ColorCodeBox>().btnSetClick();
    EXPECT_EQ(color(), clWhite);
}

TEST_F(ColorCodeBoxTest, CopyPutsTheBoxTextOnTheClipboard)
{
    control<QComboBox>("cbxDisplay")->setCurrentIndex(0);
    box("edtColor")->setText("typed, not applied");
    QTest::mouseClick(control<QPushButton>("btnCopy"), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "typed, not applied");
    EXPECT_EQ(box("edtColor")->selectedText(), "typed, not applied");
}

TEST_F(ColorCodeBoxTest, MenuChoosesTheNotation)
{
    setColor(ComposeColor(255, 128, 0));
    item("HSL1")->trigger();
    EXPECT_EQ(control<QComboBox>("cbxDisplay")->currentIndex(), 6);
    EXPECT_EQ(box("edtColor")->text(), "30, 100%, 50%");
}

TEST_F(ColorCodeBoxTest, UppercaseSwitchConvertsTheTextAsItStands)
{
    setColor(ComposeColor(255, 128, 0));
    control<QComboBox>("cbxDisplay")->setCurrentIndex(3);
    area<ColorCodeBox>().cbxDisplayChange();
    EXPECT_EQ(box("edtColor")->text(), "0xFF0080FF");
    item("UpperCaseColorCodes1")->trigger();
    EXPECT_EQ(box("edtColor")->text(), "0xff0080ff");
    item("UpperCaseColorCodes1")->trigger();
    EXPECT_EQ(box("edtColor")->text(), "0XFF0080FF");
    area<ColorCodeBox>().cbxDisplayChange();
    EXPECT_EQ(box("edtColor")->text(), "0xFF0080FF");
}

} // namespace
} // namespace pigmentrix
