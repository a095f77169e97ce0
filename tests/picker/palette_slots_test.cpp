#include "window_test_fixture.h"

#include "picker/color_frame_panel.h"
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
    PaletteSlotPanel *slot(int k) const { return window->mempan[static_cast<std::size_t>(k - 1)]; }

    void click(int k, Qt::MouseButton button) { QTest::mouseClick(slot(k), button, Qt::NoModifier, QPoint(5, 5)); }

    // Opens pupPalette on slot k, runs item and closes the menu again.
    void runMenuItem(int k, QAction *item)
    {
        emit slot(k)->customContextMenuRequested(QPoint(5, 5));
        item->trigger();
        window->pupPalette->close();
    }

    // A palette that came from a file, as after loading it.
    void nameThePalette(const QString &name)
    {
        window->mpalette = name;
        window->mpalettechanged = false;
    }
};

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
    EXPECT_TRUE(window->lblpalettechanged->isHidden());
    EXPECT_EQ(window->JvSpeedButton1->toolTip(), "Load Palette...");
    EXPECT_EQ(window->JvSpeedButton2->toolTip(), "Save Palette as...");
}

TEST_F(PaletteSlotsTest, LeftClickMakesTheSlotCurrentWithAnUndoEntry)
{
    const TColor before = ComposeColor(1, 2, 3);
    setColor(before);
    click(3, Qt::LeftButton);
    EXPECT_EQ(color(), DesignPalette[2]);
    EXPECT_EQ(window->lastcolor, before);
    EXPECT_EQ(window->edtRed->text(), QString::number(RedOf(DesignPalette[2])));
    window->UndoColorChange1Click();
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
                runMenuItem(5, window->SaveColorHere1);
            else
                click(5, Qt::MiddleButton);
            EXPECT_EQ(slot(5)->color(), row.current);
            EXPECT_EQ(color(), row.current);
            EXPECT_EQ(window->mpalettechanged, row.marked);
            EXPECT_EQ(window->lblpalettechanged->isVisible(), row.marked);
            EXPECT_EQ(slot(5)->toolTip() != "stale", row.newHint) << slot(5)->toolTip().toStdString();
        }
    }
}

TEST_F(PaletteSlotsTest, DoubleClickCopiesTheSlotsCode)
{
    window->HTMLHex1Click(0);
    // A real double click: the first press, then the double click itself.
    click(9, Qt::LeftButton);
    QTest::mouseDClick(slot(9), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "#F4CA16");
    EXPECT_EQ(color(), DesignPalette[8]);
}

TEST_F(PaletteSlotsTest, MenuCommandsActOnTheSlotTheMenuWasOpenedOn)
{
    window->HTMLHex1Click(0);
    const TColor start = ComposeColor(200, 100, 50);
    setColor(start);

    runMenuItem(2, window->SetasBackground1);
    EXPECT_EQ(color(), DesignPalette[1]);
    EXPECT_FALSE(window->btnUndo->isEnabled()) << "not recorded for undo";

    runMenuItem(10, window->SetasTextColor1);
    EXPECT_EQ(window->pnlColor->FontColor, DesignPalette[9]);
    EXPECT_EQ(color(), DesignPalette[1]);

    runMenuItem(16, window->Copy1);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "#50C878");
    EXPECT_EQ(color(), DesignPalette[1]);
}

TEST_F(PaletteSlotsTest, SetAsTextColourIsEnabledExactlyWhileTheFrameShowsText)
{
    EXPECT_TRUE(window->SetasTextColor1->isEnabled());
    window->UseText->trigger();
    EXPECT_FALSE(window->UseText->isChecked());
    EXPECT_FALSE(window->SetasTextColor1->isEnabled());
    window->UseTextinColorFrame1->trigger();
    EXPECT_TRUE(window->SetasTextColor1->isEnabled());
}

TEST_F(PaletteSlotsTest, HintsShowTheCodeInTheNotationAndFollowItsChanges)
{
    EXPECT_FALSE(slot(1)->toolTip().startsWith('\n')) << "no notation chosen: no code line";
    window->HTMLHex1Click(0);
    EXPECT_TRUE(slot(1)->toolTip().startsWith("#004242")) << slot(1)->toolTip().toStdString();
    EXPECT_TRUE(slot(16)->toolTip().startsWith("#50C878")) << slot(16)->toolTip().toStdString();
    window->HTMLHex1Click(4);
    EXPECT_TRUE(slot(16)->toolTip().startsWith("80,200,120")) << slot(16)->toolTip().toStdString();
}

TEST_F(PaletteSlotsTest, HintNamesTheFirstListEntryWithTheSlotsColour)
{
    window->HTMLHex1Click(0);
    setColor(clWhite);
    click(7, Qt::MiddleButton);
    const QStringList lines = slot(7)->toolTip().split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], "#FFFFFF");
    const auto entries = window->namedColorEntries();
    const auto first = std::find_if(entries.begin(), entries.end(), [](const RColor &e) { return e.Value == clWhite; });
    ASSERT_NE(first, entries.end());
    EXPECT_EQ(lines[1].toStdString(), NameToUtf8(first->Name));
}

TEST_F(PaletteSlotsTest, MovingOverTheFirstSlotRebuildsItsHint)
{
    window->HTMLHex1Click(0);
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
