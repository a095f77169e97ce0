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
    EXPECT_EQ(area<HistoryActions>().history().undoEntries()[0].color, 0);
}

TEST_F(ColorCodeBoxTest, EnterInTheCodeBoxActsAsSet)
{
    control<QComboBox>("cbxDisplay")->setCurrentIndex(0);
    box("edtColor")->setFocus();
    box("edtColor")->setText("#123456");
    QTest::keyClick(box("edtColor"), Qt::Key_Return);
    EXPECT_EQ(color(), ComposeColor(0x12, 0x34, 0x56));
}

// The window's Set refuses what the notation cannot hold instead of turning
// it into an unrelated colour.
TEST_F(ColorCodeBoxTest, SetRefusesComponentsOutsideTheirRangeAndDroppedDigits)
{
    struct Row {
        int notation;
        const char *typed;
    };
    const Row rows[] = {
        {notation::RGBValues, "256,0,0"},        {notation::RGBValues, "300,0,0"},
        {notation::RGBValues, "-1,0,0"},         {notation::HSL, "30, 101%, 50%"},
        {notation::RGBPercentValues, "101,0,0"}, {notation::CMY, "256,0,0"},
        {notation::CMYK, "0,0,0,255"},           {notation::RGB565, "65535"},
        {notation::HTMLHex, "#FF8000CC"},        {notation::HTMLHex, "#1234567"},
        {notation::Powerbuilder, "16777216"},
    };
    setColor(ComposeColor(1, 2, 3));
    for (const Row &row : rows) {
        SCOPED_TRACE(row.typed);
        dialogs.messages.clear();
        chooseNotation(row.notation);
        box("edtColor")->setText(QString::fromLatin1(row.typed));
        QTest::mouseClick(control("btnSet"), Qt::LeftButton);
        EXPECT_EQ(dialogs.messages, QStringList{"Unable to convert color values."});
        EXPECT_EQ(color(), ComposeColor(1, 2, 3));
    }
    // What users paste reads.
    chooseNotation(notation::HTMLHex);
    for (const char *pasted : {"#f80", " #ff8800 "}) {
        SCOPED_TRACE(pasted);
        box("edtColor")->setText(QString::fromLatin1(pasted));
        QTest::mouseClick(control("btnSet"), Qt::LeftButton);
        EXPECT_EQ(color(), ComposeColor(255, 136, 0));
        EXPECT_EQ(box("edtColor")->text(), "#FF8800");
    }
}

// A code that does not read changes nothing, and leaves nothing to undo.
TEST_F(ColorCodeBoxTest, BadCodeShowsTheMessageAndChangesNothing)
{
    control<QComboBox>("cbxDisplay")->setCurrentIndex(0);
    setColor(ComposeColor(1, 2, 3));
    box("edtColor")->setText("#ABCD");
    QTest::mouseClick(control("btnSet"), Qt::LeftButton);
    EXPECT_EQ(dialogs.messages, QStringList{"Unable to convert color values."});
    EXPECT_EQ(color(), ComposeColor(1, 2, 3));
    EXPECT_EQ(box("edtColor")->text(), "#ABCD");
    EXPECT_FALSE(area<HistoryActions>().history().canUndo());
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
        QTest::mouseClick(control("btnSet"), Qt::LeftButton);
        EXPECT_TRUE(dialogs.messages.isEmpty());
    }
    EXPECT_EQ(color(), ComposeColor(0xAB, 0xCD, 0xEF));

    const QString longCode = "#" + QString(40000, 'G');
    box("edtColor")->setText(longCode);
    EXPECT_EQ(box("edtColor")->text().size(), longCode.size()) << "nothing is cut";
    QTest::mouseClick(control("btnSet"), Qt::LeftButton);
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
        QTest::mouseClick(control("btnSet"), Qt::LeftButton);
        EXPECT_EQ(color(), ComposeColor(18, 52, 86));
        EXPECT_EQ(slider("scrollbarAlpha")->Value(), row.alpha);
        EXPECT_EQ(box("edtAlpha")->text(), QString::number(row.alpha)) << "the box follows its slider";
        EXPECT_EQ(box("edtColor")->text(), row.code);
    }
}

// Each CSS notation shows its own code, reads any CSS colour with its alpha
// and rewrites the box in its own form.
TEST_F(ColorCodeBoxTest, CssNotationsShowTheirCodeAndReadAnyCssColour)
{
    struct Row {
        const char *item;
        int notation;
        const char *shown;
        const char *typed;
        const char *rewritten;
    };
    const Row rows[] = {
        {"CSSColor1", 15, "rgb(255 128 0)", "hsl(210 65.38% 20.39% / 50%)", "rgb(18 52 86 / 0.502)"},
        {"CSShsl1", 16, "hsl(30.12 100% 50%)", "#12345680", "hsl(210 65.38% 20.39% / 0.502)"},
        {"CSShwb1", 17, "hwb(30.12 0% 0%)", "rgba(18, 52, 86, 0.5)", "hwb(210 7.06% 66.27% / 0.502)"},
        {"CSSlab1", 18, "lab(67.82 45.49 74.84)", "#1234 5680", nullptr},
        {"CSSlch1", 19, "lch(67.82 87.58 58.71)", "  LAB(20.68 -2.28 -24.59 / .5) ", "lch(20.68 24.7 264.71 / 0.502)"},
        {"CSSoklab1", 20, "oklab(0.7319 0.1119 0.1484)", "calc(1)", nullptr},
        {"CSSoklch1", 21, "oklch(0.7319 0.1858 52.98)", "rgb(18 52 86 / 0.502)", "oklch(0.3192 0.0725 251.17 / 0.502)"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.item);
        dialogs.messages.clear();
        pipeline().applyColor(ComposeColor(255, 128, 0), 255);
        item(row.item)->trigger();
        EXPECT_EQ(control<QComboBox>("cbxDisplay")->currentIndex(), row.notation);
        const QString menuCaption = item(row.item)->text();
        EXPECT_EQ(control<QComboBox>("cbxDisplay")->currentText(),
                  menuCaption.endsWith(QLatin1String("()")) ? menuCaption.mid(4) : menuCaption)
            << "the list names a function alone";
        EXPECT_EQ(box("edtColor")->text(), row.shown);
        EXPECT_EQ(box("edtColor")->cursorPosition(), 0) << "a code wider than the box shows its beginning";
        EXPECT_EQ(box("edtColor")->toolTip(), row.shown) << "and the tip the whole code";
        box("edtColor")->setText(row.typed);
        QTest::mouseClick(control("btnSet"), Qt::LeftButton);
        if (!row.rewritten) {
            EXPECT_EQ(dialogs.messages, QStringList{"Unable to convert color values."});
            EXPECT_EQ(color(), ComposeColor(255, 128, 0));
            continue;
        }
        EXPECT_TRUE(dialogs.messages.isEmpty());
        EXPECT_EQ(color(), ComposeColor(18, 52, 86));
        EXPECT_EQ(slider("scrollbarAlpha")->Value(), 128);
        EXPECT_EQ(box("edtColor")->text(), row.rewritten);
    }
}

// A fresh start has no notation chosen: Set reads nothing and says why, and
// Copy leaves the clipboard as it was.
TEST_F(ColorCodeBoxTest, NoNotationReadsNothingAndCopiesNothing)
{
    ASSERT_EQ(control<QComboBox>("cbxDisplay")->currentIndex(), -1);
    setColor(ComposeColor(1, 2, 3));
    EXPECT_EQ(box("edtColor")->text(), "");
    box("edtColor")->setText("#FF8000");
    QTest::mouseClick(control<QPushButton>("btnSet"), Qt::LeftButton);
    EXPECT_EQ(color(), ComposeColor(1, 2, 3));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith("Choose a notation in the list")) << dialogs.messages[0].toStdString();
    EXPECT_FALSE(area<HistoryActions>().history().canUndo());

    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    QTest::mouseClick(control<QPushButton>("btnCopy"), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "kept");
    // Nor does an emptied box wipe it.
    control<QComboBox>("cbxDisplay")->setCurrentIndex(0);
    box("edtColor")->clear();
    QTest::mouseClick(control<QPushButton>("btnCopy"), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "kept");
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

// Upper case raises the hexadecimal digits of the code as it stands (typed
// text included), never a function name or the "0x" prefix; lower case
// lowers the whole text.
TEST_F(ColorCodeBoxTest, UppercaseSwitchRaisesTheHexDigitsOfTheTextAsItStands)
{
    struct Row {
        int notation;
        TColor color;
        const char *shown;
        const char *lowered;
        const char *typed; // replaces the lowered text before upper case is switched on again
        const char *raised;
    };
    const Row rows[] = {
        {notation::CppHex, ComposeColor(255, 128, 0), "0xFF0080FF", "0xff0080ff", nullptr, "0xFF0080FF"},
        {notation::CppHex, ComposeColor(10, 20, 30), "0xFF1E140A", "0xff1e140a", nullptr, "0xFF1E140A"},
        {notation::VBHex, ComposeColor(255, 128, 0), "&H0080FF", "&h0080ff", nullptr, "&H0080FF"},
        {notation::CSSOklch, ComposeColor(0xFF, 0x98, 0x42), "oklch(0.7731 0.1572 56.87)", "oklch(0.7731 0.1572 56.87)",
         nullptr, "oklch(0.7731 0.1572 56.87)"},
        {notation::CSSColor, ComposeColor(255, 128, 0), "rgb(255 128 0)", "rgb(255 128 0)", "#abcdef rebeccapurple",
         "#ABCDEF rebeccapurple"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.shown);
        setColor(row.color);
        control<QComboBox>("cbxDisplay")->setCurrentIndex(row.notation);
        area<ColorCodeBox>().cbxDisplayChange();
        EXPECT_EQ(box("edtColor")->text(), row.shown);
        item("UpperCaseColorCodes1")->trigger();
        ASSERT_FALSE(item("UpperCaseColorCodes1")->isChecked());
        EXPECT_EQ(box("edtColor")->text(), row.lowered);
        if (row.typed)
            box("edtColor")->setText(row.typed);
        item("UpperCaseColorCodes1")->trigger();
        EXPECT_EQ(box("edtColor")->text(), row.raised);
    }
}

} // namespace
} // namespace pigmentrix
