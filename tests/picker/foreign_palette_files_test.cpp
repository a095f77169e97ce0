// Loading GIMP palettes and swatch exchange files into the slots, and saving
// the slots in the formats other programs read.
#include "palette_files_fixture.h"

#include "model/conversions.h"
#include "picker/color_code_box.h"
#include "picker/palette_area.h"
#include "storage/color_identifiers.h"
#include "storage/gimp_palette.h"
#include "storage/swatch_exchange.h"

#include <QLabel>

namespace pigmentrix {
namespace {

// Colour i of the test palettes, unlike any of the slots of a fresh start.
TColor Tone(int i)
{
    return ComposeColor(6 * i, 255 - 6 * i, i);
}

std::string ToneName(int i)
{
    return "Tone " + std::to_string(i);
}

SwatchPalette Tones(int count)
{
    SwatchPalette palette{"Tones", 0, {}};
    for (int i = 1; i <= count; ++i)
        palette.swatches.push_back({Tone(i), ToneName(i)});
    return palette;
}

class ForeignPaletteFilesTest : public PaletteFilesTest {
protected:
    void SetUp() override
    {
        PaletteFilesTest::SetUp();
        chooseNotation(0);
    }

    QString hint(int k) const { return slot(k)->toolTip(); }

    static QString NamedHint(TColor color, const std::string &name)
    {
        return QString::fromStdString(ColorToHTML(color) + "\n" + name);
    }
};

TEST_F(ForeignPaletteFilesTest, FortyColoursFillTheSixteenSlotsAndTheUserHearsOfTheRest)
{
    testing::WriteBytes(folder / "forty.gpl", FormatGimpPalette(Tones(40)));
    const TColor current = ComposeColor(9, 8, 7);
    setColor(current);
    load(file("forty.gpl"));

    for (int k = 1; k <= PaletteSlotCount; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(slot(k)->color(), Tone(k));
        EXPECT_EQ(hint(k), NamedHint(Tone(k), ToneName(k)));
    }
    EXPECT_EQ(dialogs.messages, QStringList{"The palette \"forty.gpl\" has 40 colors. The first 16 are now in the "
                                            "palette slots; the other 24 were left out."});
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_EQ(area<PaletteArea>().paletteName(), "forty.gpl");
    EXPECT_EQ(control<QLabel>("lblPalette")->toolTip(), "forty.gpl");
    EXPECT_FALSE(area<PaletteArea>().paletteChanged());
    EXPECT_TRUE(control<QLabel>("lblpalettechanged")->isHidden());
    EXPECT_EQ(color(), current);
    EXPECT_FALSE(control<QToolButton>("btnUndo")->isEnabled());
}

TEST_F(ForeignPaletteFilesTest, FewerColoursLeaveTheOtherSlotsAsTheyWere)
{
    testing::WriteBytes(folder / "forty.gpl", FormatGimpPalette(Tones(40)));
    load(file("forty.gpl"));
    SwatchPalette three{"", 0, {{clWhite, "Paper"}, {ComposeColor(255, 0, 0), ""}, {ComposeColor(0, 0, 255), "Ink"}}};
    testing::WriteBytes(folder / "three.ase", FormatSwatchExchange(three));
    dialogs.messages.clear();
    load(file("three.ase"));

    EXPECT_EQ(hint(1), NamedHint(clWhite, "Paper"));
    EXPECT_EQ(slot(2)->color(), ComposeColor(255, 0, 0));
    EXPECT_FALSE(hint(2).contains("Tone")) << "a colour without a name takes none from before";
    EXPECT_EQ(hint(3), NamedHint(ComposeColor(0, 0, 255), "Ink"));
    EXPECT_EQ(slot(4)->color(), Tone(4));
    EXPECT_EQ(hint(4), NamedHint(Tone(4), ToneName(4)));
    EXPECT_EQ(hint(16), NamedHint(Tone(16), ToneName(16)));
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(area<PaletteArea>().paletteName(), "three.ase");
}

TEST_F(ForeignPaletteFilesTest, AColourNameGoesWithItsColour)
{
    testing::WriteBytes(folder / "forty.gpl", FormatGimpPalette(Tones(40)));
    load(file("forty.gpl"));

    setColor(Tone(1));
    QTest::mouseClick(slot(1), Qt::MiddleButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(hint(1), NamedHint(Tone(1), ToneName(1))) << "the same colour stored again keeps its name";
    setColor(ComposeColor(1, 2, 3));
    QTest::mouseClick(slot(2), Qt::MiddleButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_TRUE(hint(2).startsWith("#010203")) << hint(2).toStdString();
    EXPECT_FALSE(hint(2).contains("Tone")) << "a new colour loses the name of the old one";
    EXPECT_TRUE(area<PaletteArea>().paletteChanged());

    testing::WriteBytes(folder / "six.plt", "$00000001\r\n$00000002\r\n$00000003\r\n$00000004\r\n$00000005\r\n"
                                                + ColorToPaletteText(Tone(6)) + "\r\n");
    load(file("six.plt"));
    EXPECT_FALSE(hint(5).contains("Tone")) << "a colour from a Pigmentrix palette has no name of the file's";
    EXPECT_EQ(hint(6), NamedHint(Tone(6), ToneName(6))) << "the slot kept its colour, so it keeps the name";
    EXPECT_EQ(hint(7), NamedHint(Tone(7), ToneName(7)));
}

TEST_F(ForeignPaletteFilesTest, ABadFileChangesNothingAndSaysWhatIsWrong)
{
    struct Row {
        const char *what;
        const char *name;
        std::string bytes;
        std::string problem;
    };
    std::string cut = FormatSwatchExchange(Tones(3));
    cut.resize(cut.size() - 5);
    std::string absurd = FormatSwatchExchange(Tones(1));
    absurd.replace(8, 4, "\x7F\xFF\xFF\xFF");
    const std::vector<Row> rows = {
        {"a GIMP palette of another header", "bad.gpl", "GIMP palette\n1 2 3\n",
         "The first line is not \"GIMP Palette\"."},
        {"a GIMP palette with a bad line after good ones", "bad.gpl", "GIMP Palette\n1 2 3 A\n4 5 six B\n",
         "Line 3 is not a color of three numbers from 0 to 255: \"4 5 six B\"."},
        {"a GIMP palette without colours", "empty.gpl", "GIMP Palette\nName: Empty\n", "The file holds no colors."},
        {"a truncated swatch exchange file", "cut.ase", cut, "Block 3 claims 34 bytes, past the end of the file."},
        {"an absurd block count", "absurd.ase", absurd,
         "The header announces 2147483647 blocks, more than the 52 bytes of the file can hold."},
        {"a GIMP palette named .ase", "gimp.ase", FormatGimpPalette(Tones(2)),
         "The file does not begin with \"ASEF\", the mark of an Adobe Swatch Exchange file."},
    };
    testing::WriteBytes(folder / "forty.gpl", FormatGimpPalette(Tones(40)));
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        openWindow();
        chooseNotation(0);
        load(file("forty.gpl"));
        setColor(ComposeColor(1, 1, 1));
        QTest::mouseClick(slot(2), Qt::MiddleButton, Qt::NoModifier, QPoint(5, 5));
        const std::vector<TColor> before = slotColors();
        dialogs.errors.clear();
        dialogs.messages.clear();

        testing::WriteBytes(folder / row.name, row.bytes);
        load(file(row.name));

        EXPECT_EQ(dialogs.errors.join('|').toStdString(),
                  "Cannot load palette \"" + (folder / row.name).string() + "\". " + row.problem);
        EXPECT_TRUE(dialogs.messages.isEmpty());
        EXPECT_EQ(slotColors(), before);
        EXPECT_EQ(hint(1), NamedHint(Tone(1), ToneName(1)));
        EXPECT_FALSE(hint(2).contains("Tone"));
        EXPECT_EQ(area<PaletteArea>().paletteName(), "forty.gpl");
        EXPECT_TRUE(area<PaletteArea>().paletteChanged());
        EXPECT_TRUE(control<QLabel>("lblpalettechanged")->isVisible());
    }
}

TEST_F(ForeignPaletteFilesTest, SavingWritesTheFormatTheNameAsksFor)
{
    SwatchPalette named{"", 0, {{ComposeColor(255, 0, 0), "Signal Red"}, {ComposeColor(0, 51, 102), "Deep Water"}}};
    testing::WriteBytes(folder / "two.ase", FormatSwatchExchange(named));
    load(file("two.ase"));

    save(file("mine.gpl"));
    const std::string gimp = testing::ReadBytes(folder / "mine.gpl");
    EXPECT_TRUE(gimp.starts_with("GIMP Palette\nName: mine\nColumns: 8\n#\n"
                                 "255   0   0\tSignal Red\n"
                                 "  0  51 102\tDeep Water\n"
                                 " 83 104 114\n"))
        << gimp;
    EXPECT_EQ(std::count(gimp.begin(), gimp.end(), '\n'), 4 + PaletteSlotCount);
    EXPECT_EQ(area<PaletteArea>().paletteName(), "mine.gpl");

    save(file("mine.css"));
    const std::string css = testing::ReadBytes(folder / "mine.css");
    EXPECT_TRUE(css.starts_with(":root {\n  --signal-red: #ff0000;\n  --deep-water: #003366;\n  --color-3: #536872;\n"))
        << css;
    EXPECT_EQ(area<PaletteArea>().paletteName(), "mine.css");

    save(file("mine.ase"));
    const SwatchReadResult exchanged = ParseSwatchExchange(testing::ReadBytes(folder / "mine.ase"));
    ASSERT_TRUE(exchanged.palette) << exchanged.error;
    ASSERT_EQ(exchanged.palette->swatches.size(), std::size_t{PaletteSlotCount});
    EXPECT_EQ(exchanged.palette->swatches[1], (Swatch{ComposeColor(0, 51, 102), "Deep Water"}));
    EXPECT_EQ(exchanged.palette->swatches[15], (Swatch{ColorToRGB(DesignPalette[15]), ""}));

    openWindow();
    chooseNotation(0);
    load(file("mine.ase"));
    EXPECT_EQ(hint(2), NamedHint(ComposeColor(0, 51, 102), "Deep Water"));
    EXPECT_EQ(slot(16)->color(), DesignPalette[15]);
}

TEST_F(ForeignPaletteFilesTest, AFailedSaveInAnotherFormatChangesNothing)
{
    save(file("missing-folder/p.ase"));
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].startsWith("Cannot create file \"" + file("missing-folder/p.ase") + "\". "));
    EXPECT_EQ(area<PaletteArea>().paletteName(), "");
}

} // namespace
} // namespace pigmentrix
