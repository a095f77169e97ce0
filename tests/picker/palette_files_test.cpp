#include "palette_files_fixture.h"

#include "picker/color_code_box.h"
#include "picker/palette_area.h"

#include <QLabel>
#include <QTest>
#include <QToolButton>

namespace pigmentrix {
namespace {

TEST_F(PaletteFilesTest, SaveWritesTheExactFileAndNamesThePalette)
{
    save(file("fresh.plt"));
    EXPECT_EQ(testing::ReadBytes(folder / "fresh.plt"),
              "$00424200\r\n$00626200\r\n$00726853\r\n$00807F6E\r\n$00968983\r\n$0099A38D\r\n$00D6EAF0\r\n"
              "$00E6F5FD\r\n$0016CAF4\r\n$002774F0\r\n$00424CEB\r\n$007B39CC\r\n$00EB5794\r\n$00E78C31\r\n"
              "$00AAB220\r\n$0078C850\r\n");
    EXPECT_EQ(area<PaletteArea>().paletteName(), "fresh.plt");
    EXPECT_EQ(control<QLabel>("lblPalettename")->text(),
              control<QLabel>("lblPalettename")->fontMetrics().elidedText("fresh.plt", Qt::ElideRight, 44));
    EXPECT_EQ(control<QLabel>("lblPalette")->toolTip(), "fresh.plt");
    EXPECT_EQ(control<QLabel>("lblPalettename")->toolTip(), "fresh.plt");
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(PaletteFilesTest, LoadSetsTheSlotsButNeitherTheColourNorTheHistory)
{
    area<ColorCodeBox>().HTMLHex1Click(0);
    const TColor current = ComposeColor(9, 8, 7);
    setColor(current);
    testing::WriteBytes(folder / "six.plt", "clWhite\r\nclblack\r\n$000000FF\r\n16777215\r\n0\r\n0\r\n");
    load(file("six.plt"));
    const std::vector<TColor> colors = slotColors();
    EXPECT_EQ(colors[0], clWhite);
    EXPECT_EQ(colors[2], 0x000000FF);
    EXPECT_EQ(colors[5], clBlack);
    EXPECT_EQ(colors[6], DesignPalette[6]) << "lines 7 to 16 missing: the slots keep their colours";
    EXPECT_EQ(slot(1)->toolTip().section('\n', 0, 0), "#FFFFFF") << "hints rebuilt";
    EXPECT_EQ(area<PaletteArea>().paletteName(), "six.plt");
    EXPECT_EQ(color(), current);
    EXPECT_FALSE(control<QToolButton>("btnUndo")->isEnabled());
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(PaletteFilesTest, AFailedLoadChangesNothingAndShowsTheMessage)
{
    struct Row {
        const char *what;
        std::optional<std::string> bytes; // nullopt: no such file
        QString message;
    };
    const std::vector<Row> rows = {
        {"five lines", "0\r\n0\r\n0\r\n0\r\n0\r\n", "List index out of bounds (5)."},
        {"a bad fourth line, after three good ones", "0\r\n0\r\n0\r\nmauve\r\n0\r\n0\r\n",
         "'mauve' is not a valid integer value."},
        {"no such file", std::nullopt, "Cannot open file \"" + file("bad.plt") + "\". "},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        openWindow();
        dialogs.errors.clear();
        save(file("mine.plt"));
        setColor(ComposeColor(1, 1, 1));
        QTest::mouseClick(slot(2), Qt::MiddleButton, Qt::NoModifier, QPoint(5, 5));
        ASSERT_TRUE(control<QLabel>("lblpalettechanged")->isVisible());
        const std::vector<TColor> before = slotColors();
        const QString hint = slot(1)->toolTip();

        std::filesystem::remove(folder / "bad.plt");
        if (row.bytes)
            testing::WriteBytes(folder / "bad.plt", *row.bytes);
        load(file("bad.plt"));

        ASSERT_EQ(dialogs.errors.size(), 1);
        EXPECT_TRUE(dialogs.errors[0].startsWith(row.message)) << dialogs.errors[0].toStdString();
        EXPECT_TRUE(dialogs.errors[0].endsWith('.'));
        EXPECT_EQ(slotColors(), before);
        EXPECT_EQ(slot(1)->toolTip(), hint);
        EXPECT_EQ(area<PaletteArea>().paletteName(), "mine.plt");
        EXPECT_TRUE(area<PaletteArea>().paletteChanged());
        EXPECT_TRUE(control<QLabel>("lblpalettechanged")->isVisible());
    }
}

TEST_F(PaletteFilesTest, CancelledDialogsDoNothing)
{
    dialogs.openFileAnswer.reset();
    dialogs.saveFileAnswer.reset();
    QTest::mouseClick(control<QToolButton>("JvSpeedButton1"), Qt::LeftButton);
    QTest::mouseClick(control<QToolButton>("JvSpeedButton2"), Qt::LeftButton);
    EXPECT_EQ(area<PaletteArea>().paletteName(), "");
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(PaletteFilesTest, AFailedSaveChangesNothing)
{
    save(file("missing-folder/p.plt"));
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].startsWith("Cannot create file \"" + file("missing-folder/p.plt") + "\". "));
    EXPECT_EQ(area<PaletteArea>().paletteName(), "");
    EXPECT_EQ(control<QLabel>("lblPalettename")->text(), "");
}

TEST_F(PaletteFilesTest, SavedAndLoadedAgainGivesTheSameColoursAndLines)
{
    setColor(clWhite);
    QTest::mouseClick(slot(4), Qt::MiddleButton, Qt::NoModifier, QPoint(5, 5));
    setColor(0x00FFFFF0);
    QTest::mouseClick(slot(13), Qt::MiddleButton, Qt::NoModifier, QPoint(5, 5));
    save(file("a.plt"));
    const std::vector<TColor> saved = slotColors();
    const std::string lines = testing::ReadBytes(folder / "a.plt");
    EXPECT_NE(lines.find("\r\nclWhite\r\n"), std::string::npos);
    EXPECT_NE(lines.find("\r\n$00FFFFF0\r\n"), std::string::npos);

    openWindow();
    load(file("a.plt"));
    EXPECT_EQ(slotColors(), saved);
    save(file("b.plt"));
    EXPECT_EQ(testing::ReadBytes(folder / "b.plt"), lines);
}

} // namespace
} // namespace pigmentrix
