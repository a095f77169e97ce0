#include "window_test_fixture.h"

#include "displays/color_frame_panel.h"
#include "displays/named_color_area.h"
#include "picker/color_code_box.h"
#include "picker/history_actions.h"
#include "picker/palette_area.h"
#include "picker/palette_slot_panel.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>

namespace pigmentrix {
namespace {

class PaletteSlotsTest : public PickerWindowTest {
protected:
    PaletteSlotPanel *slot(int k) const
    {
        return control<PaletteSlotPanel>(QByteArray("mempan").append(QByteArray::number(k)).constData());
    }

    void click(int k, Qt::MouseButton button) { QTest::mouseClick(slot(k), button, Qt::NoModifier, QPoint(5, 5)); }

    // Opens pupPalette on slot k, runs item and closes the menu again.
    void runMenuItem(int k, QAction *item)
    {
        emit slot(k)->customContextMenuRequested(QPoint(5, 5));
        item->trigger();
        control<QMenu>("pupPalette")->close();
    }

    // A palette that came from a file, as after loading it.
    void nameThePalette(const QString &name) { area<PaletteArea>().showPaletteName(name); }
};

TEST_F(PaletteSlotsTest, APaletteNameStandsApartFromItsLabel)
{
    auto *label = control<QLabel>("lblPalette");
    auto *name = control<QLabel>("lblPalettename");
    area<PaletteArea>().showPaletteName("p1.plt");
    EXPECT_EQ(label->pos(), QPoint(6, 2));
    EXPECT_EQ(name->geometry(), QRect(47, 2, 44, 15)) << "the name keeps its place";
    const int labelEnd = label->x() + label->fontMetrics().horizontalAdvance(label->text());
    EXPECT_LE(labelEnd + 3, name->x()) << "a visible gap after \"Palette\"";
}

TEST_F(PaletteSlotsTest, SlotsStartWithTheDesignColoursInTwoRowsOfEight)
{
    for (int k = 1; k <= 16; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(slot(k)->objectName(), QStringLiteral("mempan%1").arg(k));
        EXPECT_EQ(slot(k)->color(), DesignPalette[static_cast<std::size_t>(k - 1)]);
        EXPECT_EQ(slot(k)->size(), QSize(22, 22));
    }
    EXPECT_EQ(slot(1)->pos(), QPoint(97, 3));
    EXPECT_EQ(slot(16)->pos(), QPoint(279, 28));
    EXPECT_TRUE(control<QLabel>("lblpalettechanged")->isHidden());
    EXPECT_EQ(control<QToolButton>("JvSpeedButton1")->toolTip(), "Load Palette...");
    EXPECT_EQ(control<QToolButton>("JvSpeedButton2")->toolTip(), "Save Palette as...");
}

TEST_F(PaletteSlotsTest, LeftClickMakesTheSlotCurrentWithAnUndoEntry)
{
    const TColor before = ComposeColor(1, 2, 3);
    setColor(before);
    click(3, Qt::LeftButton);
    EXPECT_EQ(color(), DesignPalette[2]);
    EXPECT_EQ(pipeline().lastColor(), before);
    EXPECT_EQ(box("edtRed")->text(), QString::number(RedOf(DesignPalette[2])));
    undo();
    EXPECT_EQ(color(), before);
}

TEST_F(PaletteSlotsTest, StoringAColourMarksOnlyANamedPaletteAndOnlyOnAChange)
{
    struct Row {
        const char *what;
        QString paletteName;
        TColor current;
        bool marked;
        bool newHint;
    };
    const TColor different = ComposeColor(10, 20, 30);
    const std::vector<Row> rows = {
        {"no palette name: never marked", {}, different, false, true},
        {"named palette, a new colour", QStringLiteral("mine.plt"), different, true, true},
        {"named palette, the slot's own colour", QStringLiteral("mine.plt"), DesignPalette[4], false, false},
    };
    for (const Row &row : rows) {
        for (bool viaMenu : {false, true}) {
            SCOPED_TRACE(row.what + std::string(viaMenu ? " (menu)" : " (middle click)"));
            openWindow();
            nameThePalette(row.paletteName);
            setColor(row.current);
            slot(5)->setToolTip(QStringLiteral("stale"));
            if (viaMenu)
                runMenuItem(5, item("SaveColorHere1"));
            else
                click(5, Qt::MiddleButton);
            EXPECT_EQ(slot(5)->color(), row.current);
            EXPECT_EQ(color(), row.current);
            EXPECT_EQ(area<PaletteArea>().paletteChanged(), row.marked);
            EXPECT_EQ(control<QLabel>("lblpalettechanged")->isVisible(), row.marked);
            EXPECT_EQ(slot(5)->toolTip() != "stale", row.newHint) << slot(5)->toolTip().toStdString();
        }
    }
}

TEST_F(PaletteSlotsTest, DoubleClickCopiesTheSlotsCode)
{
    chooseNotation(0);
    // A real double click: the first press, then the double click itself.
    click(9, Qt::LeftButton);
    QTest::mouseDClick(slot(9), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "#F4CA16");
    EXPECT_EQ(color(), DesignPalette[8]);
}

TEST_F(PaletteSlotsTest, MenuCommandsActOnTheSlotTheMenuWasOpenedOn)
{
    chooseNotation(0);
    const TColor start = ComposeColor(200, 100, 50);
    setColor(start);

    runMenuItem(2, item("SetasBackground1"));
    EXPECT_EQ(color(), DesignPalette[1]);
    EXPECT_FALSE(control<QToolButton>("btnUndo")->isEnabled()) << "not recorded for undo";

    runMenuItem(10, item("SetasTextColor1"));
    EXPECT_EQ(control<ColorFramePanel>("pnlColor")->FontColor(), DesignPalette[9]);
    EXPECT_EQ(color(), DesignPalette[1]);

    runMenuItem(16, item("Copy1"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "#50C878");
    EXPECT_EQ(color(), DesignPalette[1]);
}

TEST_F(PaletteSlotsTest, SetAsTextColourIsEnabledExactlyWhileTheFrameShowsText)
{
    EXPECT_TRUE(item("SetasTextColor1")->isEnabled());
    item("UseText")->trigger();
    EXPECT_FALSE(item("UseText")->isChecked());
    EXPECT_FALSE(item("SetasTextColor1")->isEnabled());
    item("UseTextinColorFrame1")->trigger();
    EXPECT_TRUE(item("SetasTextColor1")->isEnabled());
}

TEST_F(PaletteSlotsTest, HintsShowTheCodeInTheNotationAndFollowItsChanges)
{
    EXPECT_FALSE(slot(1)->toolTip().startsWith('\n')) << "no notation chosen: no code line";
    chooseNotation(0);
    EXPECT_TRUE(slot(1)->toolTip().startsWith("#004242")) << slot(1)->toolTip().toStdString();
    EXPECT_TRUE(slot(16)->toolTip().startsWith("#50C878")) << slot(16)->toolTip().toStdString();
    chooseNotation(4);
    EXPECT_TRUE(slot(16)->toolTip().startsWith("80,200,120")) << slot(16)->toolTip().toStdString();
}

TEST_F(PaletteSlotsTest, HintNamesTheFirstListEntryWithTheSlotsColour)
{
    chooseNotation(0);
    setColor(clWhite);
    click(7, Qt::MiddleButton);
    const QStringList lines = slot(7)->toolTip().split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], "#FFFFFF");
    const auto entries = area<NamedColorArea>().namedColorEntries();
    const auto first = std::find_if(entries.begin(), entries.end(), [](const RColor &e) { return e.Value == clWhite; });
    ASSERT_NE(first, entries.end());
    EXPECT_EQ(lines[1].toStdString(), NameToUtf8(first->Name));
}

TEST_F(PaletteSlotsTest, MovingOverTheFirstSlotRebuildsItsHint)
{
    chooseNotation(0);
    slot(1)->setToolTip(QStringLiteral("stale"));
    slot(2)->setToolTip(QStringLiteral("stale"));
    for (int k : {1, 2}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(4, 4), slot(k)->mapToGlobal(QPointF(4, 4)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(slot(k), &move);
    }
    EXPECT_TRUE(slot(1)->toolTip().startsWith("#004242"));
    EXPECT_EQ(slot(2)->toolTip(), "stale") << "only the first slot follows the mouse";
}

} // namespace
} // namespace pigmentrix
