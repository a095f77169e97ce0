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
    chooseNotation(0);
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

// 200 bytes as random as a wrongly chosen file holds, without a line break.
std::string Garbage()
{
    std::string bytes;
    std::uint32_t state = 12345;
    while (bytes.size() < 200) {
        state = state * 1103515245u + 12345u;
        const char c = static_cast<char>(state >> 24);
        if (c != '\n' && c != '\r')
            bytes += c;
    }
    return bytes;
}

// Bad palette files of every kind the picker reads, and what the user is
// told: the file, the line, a short part of it at most, never a message
// taller or wider than a screen.
TEST_F(PaletteFilesTest, AFailedLoadChangesNothingAndShowsTheMessage)
{
    const std::string colorRule = ". A line holds a color name such as clRed or a number such as $00FF8000.";
    const std::string sixRule = "the first 6 lines of a palette must each hold a color.";
    struct Row {
        const char *what;
        const char *name;
        std::optional<std::string> bytes; // nullopt: no such file
        std::string message; // after "Cannot load palette "<path>". "; a start for the others
    };
    const std::vector<Row> rows = {
        {"an empty .plt", "bad.plt", "", "The file is empty: " + sixRule},
        {"five lines", "bad.plt", "0\r\n0\r\n0\r\n0\r\n0\r\n", "Line 6 is missing: " + sixRule},
        {"a bad fourth line, after three good ones", "bad.plt", "0\r\n0\r\n0\r\nmauve\r\n0\r\n0\r\n",
         "Line 4 is not a color: \"mauve\"" + colorRule},
        {"200 random bytes", "bad.plt", Garbage(), ""},
        {"a 60 kB line", "bad.plt", std::string(60000, 'x') + "\r\n",
         "Line 1 is not a color: \"" + std::string(40, 'x') + "...\"" + colorRule},
        {"a line of almost 1 MB", "bad.plt", std::string(990000, '7') + "\n",
         "Line 1 is not a color: \"" + std::string(40, '7') + "...\"" + colorRule},
        {"a CSS file", "mine.css", ":root {\n  --fire: #ff0000;\n}\n",
         "Pigmentrix writes CSS custom properties but does not read them: load a .plt, .gpl or .ase palette."},
        {"a GIMP palette with a long bad line", "bad.gpl", "GIMP Palette\n" + std::string(60000, '9') + "\n",
         "Line 2 is not a color of three numbers from 0 to 255: \"" + std::string(40, '9') + "...\"."},
        {"a swatch exchange file that is none", "bad.ase", Garbage(),
         "The file does not begin with \"ASEF\", the mark of an Adobe Swatch Exchange file."},
        {"no such file", "bad.plt", std::nullopt, ""},
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

        std::filesystem::remove(folder / row.name);
        if (row.bytes)
            testing::WriteBytes(folder / row.name, *row.bytes);
        load(file(row.name));

        ASSERT_EQ(dialogs.errors.size(), 1);
        const QString &shown = dialogs.errors[0];
        const QString start = row.bytes ? "Cannot load palette \"" + file(row.name) + "\". "
                                        : "Cannot open file \"" + file(row.name) + "\". ";
        EXPECT_TRUE(shown.startsWith(start)) << shown.toStdString();
        if (!row.message.empty()) {
            EXPECT_EQ(shown, start + QString::fromStdString(row.message));
        } else if (row.bytes) {
            EXPECT_TRUE(shown.contains("Line 1 is not a color: \"")) << shown.toStdString();
        }
        EXPECT_TRUE(shown.endsWith('.'));
        EXPECT_LT(shown.size() - file(row.name).size(), 200) << "a short message besides the path";
        EXPECT_FALSE(shown.contains('\n'));
        EXPECT_EQ(slotColors(), before);
        EXPECT_EQ(slot(1)->toolTip(), hint);
        EXPECT_EQ(area<PaletteArea>().paletteName(), "mine.plt");
        EXPECT_TRUE(area<PaletteArea>().paletteChanged());
        EXPECT_TRUE(control<QLabel>("lblpalettechanged")->isVisible());
    }
}

TEST_F(PaletteFilesTest, ColoursPastTheSixteenthAreCountedForTheUser)
{
    struct Row {
        const char *what;
        int colorLines;
        int trailingGarbage;
        QStringList messages;
    };
    const std::vector<Row> rows = {
        {"sixteen", 16, 0, {}},
        {"sixteen and a line that is no color", 16, 1, {}},
        {"seventeen",
         17,
         0,
         {"The palette \"long.plt\" has 17 colors. The first 16 are now in the palette slots; the last one was left "
          "out."}},
        {"a thousand",
         1000,
         0,
         {"The palette \"long.plt\" has 1000 colors. The first 16 are now in the palette slots; the other 984 were "
          "left out."}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        dialogs.messages.clear();
        std::string bytes;
        for (int line = 1; line <= row.colorLines; ++line)
            bytes += std::to_string(line) + "\r\n";
        for (int line = 0; line < row.trailingGarbage; ++line)
            bytes += "end of palette\r\n";
        testing::WriteBytes(folder / "long.plt", bytes);
        load(file("long.plt"));
        EXPECT_TRUE(dialogs.errors.isEmpty());
        EXPECT_EQ(slot(16)->color(), 16);
        EXPECT_EQ(dialogs.messages, row.messages);
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
