#include "window_test_fixture.h"

#include "displays/named_color_area.h"
#include "displays/named_color_box.h"
#include "displays/named_color_list_model.h"
#include "model/conversions.h"
#include "model/named_color_order.h"
#include "model/rounding.h"
#include "picker/history_actions.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QWheelEvent>

#include <functional>
#include <string>
#include <vector>

namespace pigmentrix {
namespace {

constexpr TColor AntiqueWhite = 0x00D7EBFA;
constexpr TColor AliceBlue = 0x00FFF8F0;

class NamedColorListTest : public PickerWindowTest {
protected:
    NamedColorArea &names() const { return area<NamedColorArea>(); }
    const ColorHistory &history() const { return area<HistoryActions>().history(); }
    NamedColorBox *list() const { return control<NamedColorBox>("cbxColors"); }
    QMenu *listMenu() const { return control<QMenu>("mnuClosestColor"); }
    // "Color List" in the main menu.
    QMenu *colorList() const { return item("ColorList1")->menu(); }

    std::span<const RColor> entries() const { return names().namedColorEntries(); }
    int selected() const { return list()->currentIndex(); }
    QString selectedName() const
    {
        return selected() < 0 ? QString() : NameText(entries()[static_cast<std::size_t>(selected())].Name);
    }

    int indexOf(std::u16string_view name) const
    {
        for (std::size_t i = 0; i < entries().size(); ++i)
            if (entries()[i].Name == name)
                return static_cast<int>(i);
        ADD_FAILURE() << "no entry " << NameToUtf8(name);
        return -1;
    }

    // The copy of source in the main menu's "Color List".
    QAction *mirrorOf(const QAction *source) const
    {
        return control<QAction>((source->objectName() + QStringLiteral("_copy")).toLatin1().constData());
    }

    // Picks an entry as the user does in the dropped-down list.
    void choose(int index)
    {
        list()->setCurrentIndex(index);
        emit list()->activated(index);
    }

    void wheelOverList(int delta)
    {
        const QPoint at = list()->rect().center();
        QWheelEvent wheel(at, list()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(list(), &wheel);
    }

    // Shows the window again, as after it was hidden in the tray: the list is
    // rebuilt from the check mark and the order in force.
    void showAgain()
    {
        window->hide();
        window->show();
    }
};

TEST_F(NamedColorListTest, FreshWindowListsTheGeneralTableByName)
{
    EXPECT_EQ(control<QLabel>("lblHTMLColor")->text(), "Names");
    EXPECT_EQ(list()->count(), NamedColorCount);
    EXPECT_EQ(names().colorCount(), NamedColorCount);
    EXPECT_FALSE(names().htmlOnly());
    EXPECT_EQ(names().sortOrderInForce(), SortOrder::Name);
    for (QAction *ticked : {item("SortbyName1"), mirrorOf(item("SortbyName1"))})
        EXPECT_TRUE(ticked->isChecked()) << ticked->objectName().toStdString();
    for (std::size_t i = 1; i < entries().size(); ++i)
        ASSERT_LE(entries()[i - 1].Name, entries()[i].Name) << i;
    EXPECT_EQ(list()->itemText(0), NameText(entries()[0].Name));
}

struct OrderRow {
    const char *what;
    const char *item; // the menu item's object name
    SortOrder order;
    // Holds for each pair of neighbours (a before b).
    std::function<bool(const RColor &a, const RColor &b)> inOrder;
};

void PrintTo(const OrderRow &row, std::ostream *os)
{
    *os << row.what;
}

int Sum(TColor c)
{
    return RedOf(c) + GreenOf(c) + BlueOf(c);
}

int DistanceTo(TColor c, RGBValues reference)
{
    const int dr = RedOf(c) - reference.R;
    const int dg = GreenOf(c) - reference.G;
    const int db = BlueOf(c) - reference.B;
    return dr * dr + dg * dg + db * db;
}

class NamedColorOrderTest : public NamedColorListTest, public testing::WithParamInterface<OrderRow> { };

// The reference colour of similarity is the colour the RGB sliders show when
// sorting: (250, 235, 215).
TEST_P(NamedColorOrderTest, MenuItemOrdersTheListAndTicksItself)
{
    const OrderRow &row = GetParam();
    setColor(AntiqueWhite);
    QAction *chosen = item(row.item);
    chosen->trigger();

    EXPECT_EQ(names().sortOrderInForce(), row.order);
    EXPECT_EQ(names().sortOrder(), row.order);
    for (const char *name : {"SortbyName1", "SortbySimilarity1", "SortbyHue1", "SortbySaturation1", "SortbyValue1",
                             "SortbyRed1", "SortbyGreen1", "SortbyBlue1", "SortbyBrightness1"}) {
        QAction *other = item(name);
        EXPECT_EQ(other->isChecked(), other == chosen) << other->objectName().toStdString();
        EXPECT_EQ(mirrorOf(other)->isChecked(), other == chosen) << other->objectName().toStdString();
    }
    ASSERT_EQ(entries().size(), static_cast<std::size_t>(NamedColorCount));
    for (std::size_t i = 1; i < entries().size(); ++i)
        ASSERT_TRUE(row.inOrder(entries()[i - 1], entries()[i]))
            << i << ": " << NameToUtf8(entries()[i - 1].Name) << " before " << NameToUtf8(entries()[i].Name);
    // The list's own quicksort decides the order of equal keys.
    const TRColorArray expected = BuildNamedColorList(false, row.order, RGBValues{250, 235, 215});
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), entries().begin(), entries().end()));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NamedColorOrderTest,
    testing::Values(OrderRow{"descending red, ties by ascending channel sum", "SortbyRed1", SortOrder::Red,
                             [](const RColor &a, const RColor &b) {
                                 return RedOf(a.Value) > RedOf(b.Value)
                                        || (RedOf(a.Value) == RedOf(b.Value) && Sum(a.Value) <= Sum(b.Value));
                             }},
                    OrderRow{"descending channel sum", "SortbyBrightness1", SortOrder::Brightness,
                             [](const RColor &a, const RColor &b) { return Sum(a.Value) >= Sum(b.Value); }},
                    OrderRow{"nearest to the sliders' colour first", "SortbySimilarity1", SortOrder::Similarity,
                             [](const RColor &a, const RColor &b) {
                                 return DistanceTo(a.Value, {250, 235, 215}) <= DistanceTo(b.Value, {250, 235, 215});
                             }},
                    OrderRow{"ascending rounded hue", "SortbyHue1", SortOrder::Hue,
                             [](const RColor &a, const RColor &b) {
                                 const auto hue = [](TColor c) {
                                     return Round(RGBtoHSV(RedOf(c), GreenOf(c), BlueOf(c)).H);
                                 };
                                 return hue(a.Value) <= hue(b.Value);
                             }},
                    OrderRow{"by name again", "SortbyName1", SortOrder::Name,
                             [](const RColor &a, const RColor &b) { return a.Name <= b.Name; }}));

TEST_F(NamedColorListTest, SortByHuePutsGreysFirstDarkestFirstThenPureRed)
{
    item("SortbyHue1")->trigger();
    std::size_t firstColour = 0;
    while (firstColour < entries().size()) {
        const TColor c = entries()[firstColour].Value;
        if (Round(RGBtoHSV(RedOf(c), GreenOf(c), BlueOf(c)).S) != 0)
            break;
        ++firstColour;
    }
    ASSERT_GT(firstColour, 2u);
    EXPECT_EQ(entries()[0].Value, clBlack);
    for (std::size_t i = 1; i < firstColour; ++i)
        ASSERT_LE(Sum(entries()[i - 1].Value), Sum(entries()[i].Value)) << i;
    const TColor c = entries()[firstColour].Value;
    EXPECT_EQ(Round(RGBtoHSV(RedOf(c), GreenOf(c), BlueOf(c)).H), 0) << NameToUtf8(entries()[firstColour].Name);
}

TEST_F(NamedColorListTest, StoredOrderOutsideTheCodesSortsBySumAloneWithNothingTicked)
{
    const std::int64_t storedCode = 42;
    names().setSortOrderInForce(static_cast<SortOrder>(storedCode));
    showAgain();
    EXPECT_EQ(static_cast<std::int64_t>(names().sortOrderInForce()), storedCode);
    for (std::size_t i = 1; i < entries().size(); ++i)
        ASSERT_LE(Sum(entries()[i - 1].Value), Sum(entries()[i].Value)) << i;
    QAction *htmlOnly = item("Showonlyhtmlcolors");
    for (QAction *listItem : listMenu()->actions()) {
        if (listItem != htmlOnly) {
            EXPECT_FALSE(listItem->isChecked()) << listItem->objectName().toStdString();
        }
    }
}

TEST_F(NamedColorListTest, StoredCheckMarkShowsTheHtmlTableOnTheNextShowing)
{
    item("Showonlyhtmlcolors")->setChecked(true);
    showAgain();
    EXPECT_TRUE(names().htmlOnly());
    EXPECT_EQ(list()->count(), HTMLColorCount);
    EXPECT_EQ(names().colorCount(), HTMLColorCount);
    EXPECT_EQ(control<QLabel>("lblHTMLColor")->text(), "HTML");
    EXPECT_TRUE(mirrorOf(item("Showonlyhtmlcolors"))->isChecked());
}

TEST_F(NamedColorListTest, ShowOnlyHtmlColorsFromEitherMenuTicksBoth)
{
    QAction *own = item("Showonlyhtmlcolors");
    QAction *mirror = mirrorOf(own);
    struct Step {
        QAction *clicked;
        bool html;
    };
    for (const Step step : {Step{own, true}, Step{own, false}, Step{mirror, true}, Step{mirror, false},
                            Step{mirror, true}, Step{own, false}}) {
        SCOPED_TRACE(step.clicked->objectName().toStdString());
        step.clicked->trigger();
        EXPECT_EQ(own->isChecked(), step.html);
        EXPECT_EQ(mirror->isChecked(), step.html);
        EXPECT_EQ(list()->count(), step.html ? HTMLColorCount : NamedColorCount);
        EXPECT_EQ(control<QLabel>("lblHTMLColor")->text(), step.html ? "HTML" : "Names");
    }
}

TEST_F(NamedColorListTest, SwitchingTablesKeepsTheColourSelectedWhereTheTableHasIt)
{
    struct Row {
        TColor color;
        std::u16string_view inHtml; // empty: the HTML table lacks the colour
    };
    for (const Row row : {Row{AntiqueWhite, u"AntiqueWhite"}, Row{0x0021364B, u""}}) {
        SCOPED_TRACE(row.color);
        item("Showonlyhtmlcolors")->setChecked(false);
        showAgain();
        setColor(row.color);
        ASSERT_GE(selected(), 0);
        item("Showonlyhtmlcolors")->trigger();
        EXPECT_EQ(selectedName(), QString::fromStdU16String(std::u16string(row.inHtml)));
        EXPECT_EQ(color(), row.color);
        EXPECT_FALSE(history().canUndo());
    }
}

TEST_F(NamedColorListTest, ChoosingTheSecondOfTwoNamesKeepsItSelected)
{
    const int first = indexOf(u"Antique white");
    const int second = indexOf(u"AntiqueWhite");
    ASSERT_LT(first, second);

    choose(second);
    EXPECT_EQ(color(), AntiqueWhite);
    EXPECT_EQ(selected(), second) << "the pipeline keeps the chosen entry";
    EXPECT_EQ(list()->toolTip(), "AntiqueWhite");

    setColor(AntiqueWhite);
    EXPECT_EQ(selected(), second);

    setColor(AliceBlue);
    setColor(AntiqueWhite);
    EXPECT_EQ(selected(), first) << "coming from another colour, the first entry is found";
    EXPECT_EQ(list()->toolTip(), "Antique white");

    setColor(ComposeColor(1, 2, 4));
    EXPECT_EQ(selected(), -1);
    EXPECT_EQ(list()->toolTip(), "");
}

TEST_F(NamedColorListTest, ResortSelectsTheLastEntryOfTheValueWithoutApplyingIt)
{
    setColor(AntiqueWhite);
    ASSERT_EQ(selectedName(), "Antique white");
    item("SortbyName1")->trigger();
    EXPECT_EQ(selectedName(), "AntiqueWhite");
    EXPECT_EQ(color(), AntiqueWhite);
    EXPECT_FALSE(history().canUndo()) << "sorting is not a colour change";

    setColor(ComposeColor(1, 2, 4));
    item("SortbyRed1")->trigger();
    EXPECT_EQ(selected(), -1);
}

// Nothing changes, so there is nothing to undo.
TEST_F(NamedColorListTest, FindClosestOnAnExactColourKeepsItAndRecordsNothing)
{
    setColor(AliceBlue);
    item("FindClosestColor1")->trigger();
    EXPECT_EQ(selectedName(), "Alice Blue");
    EXPECT_EQ(color(), AliceBlue);
    EXPECT_FALSE(history().canUndo());
    EXPECT_EQ(list()->toolTip(), "Alice Blue");
}

TEST_F(NamedColorListTest, FindClosestTieGoesToTheFirstEntryInListOrder)
{
    choose(indexOf(u"AntiqueWhite"));
    mirrorOf(item("FindClosestColor1"))->trigger();
    EXPECT_EQ(selectedName(), "Antique white");
    EXPECT_EQ(color(), AntiqueWhite);
}

TEST_F(NamedColorListTest, FindClosestAppliesTheNearestNamedColour)
{
    item("Showonlyhtmlcolors")->trigger();
    setColor(ComposeColor(1, 2, 3));
    item("FindClosestColor1")->trigger();
    EXPECT_EQ(selectedName(), "Black");
    EXPECT_EQ(color(), clBlack);
    undo();
    EXPECT_EQ(color(), ComposeColor(1, 2, 3));
    EXPECT_EQ(selected(), -1);
}

TEST_F(NamedColorListTest, SortByHueInColorListSortsLikeTheListsOwnItem)
{
    setColor(AliceBlue);
    mirrorOf(item("SortbyHue1"))->trigger();
    const std::vector<RColor> fromMirror(entries().begin(), entries().end());
    const QString selectedFromMirror = selectedName();
    EXPECT_TRUE(item("SortbyHue1")->isChecked());
    EXPECT_TRUE(mirrorOf(item("SortbyHue1"))->isChecked());
    EXPECT_FALSE(item("SortbyName1")->isChecked());
    EXPECT_FALSE(mirrorOf(item("SortbyName1"))->isChecked());

    item("SortbyName1")->trigger();
    item("SortbyHue1")->trigger();
    EXPECT_TRUE(std::equal(fromMirror.begin(), fromMirror.end(), entries().begin(), entries().end()));
    EXPECT_EQ(selectedName(), selectedFromMirror);
    EXPECT_EQ(names().sortOrderInForce(), SortOrder::Hue);
    EXPECT_EQ(mirrorOf(item("FindClosestColor1"))->data().toLongLong(), static_cast<std::int64_t>(SortOrder::Name))
        << "the mirror keeps its first Tag";
}

struct WheelRow {
    const char *what;
    int start; // -1: nothing selected; -2: the last entry
    int delta;
    int expected;
    bool applied;
};

void PrintTo(const WheelRow &row, std::ostream *os)
{
    *os << row.what;
}

class NamedColorWheelTest : public NamedColorListTest, public testing::WithParamInterface<WheelRow> { };

TEST_P(NamedColorWheelTest, WheelStepsTheSelectionAndAppliesIt)
{
    const WheelRow &row = GetParam();
    item("Showonlyhtmlcolors")->trigger();
    const int last = list()->count() - 1;
    const TColor before = ComposeColor(1, 2, 4);
    setColor(before);
    list()->setCurrentIndex(row.start == -2 ? last : row.start);
    wheelOverList(row.delta);
    const int expected = row.expected == -2 ? last : row.expected;
    EXPECT_EQ(selected(), expected);
    if (row.applied) {
        EXPECT_EQ(color(), entries()[static_cast<std::size_t>(expected)].Value);
        EXPECT_EQ(history().undoEntries()[0].color, before);
    } else {
        EXPECT_EQ(color(), before);
        EXPECT_FALSE(history().canUndo());
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, NamedColorWheelTest,
                         testing::Values(WheelRow{"down moves to the next entry", 5, -120, 6, true},
                                         WheelRow{"up moves to the previous entry", 5, 120, 4, true},
                                         WheelRow{"down at the last entry stays and applies it again", -2, -120, -2,
                                                  true},
                                         WheelRow{"up at the first entry stays and applies it again", 0, 120, 0, true},
                                         WheelRow{"nothing selected: down takes the first entry", -1, -120, 0, true},
                                         WheelRow{"nothing selected: up does nothing", -1, 120, -1, false}));

TEST_F(NamedColorListTest, UndoAfterAListChoiceReturnsAndClearsTheSelection)
{
    const TColor before = ComposeColor(1, 2, 4);
    setColor(before);
    choose(indexOf(u"Alice Blue"));
    EXPECT_EQ(color(), AliceBlue);
    undo();
    EXPECT_EQ(color(), before);
    EXPECT_EQ(selected(), -1);
    EXPECT_EQ(box("edtRed")->text(), "1");
    redo();
    EXPECT_EQ(color(), AliceBlue);
    EXPECT_EQ(selectedName(), "Alice Blue");
}

TEST_F(NamedColorListTest, ColorListMirrorsTheListMenuAfterRedo)
{
    const QList<QAction *> top = control<QMenu>("pupMain")->actions();
    const auto redo = std::find(top.begin(), top.end(), item("RedoColorchange1"));
    ASSERT_NE(redo, top.end());
    ASSERT_LT(redo + 2, top.end());
    EXPECT_EQ((*(redo + 1))->objectName(), "N11");
    EXPECT_EQ(*(redo + 2), item("ColorList1"));
    EXPECT_EQ(colorList()->title(), "Color List");

    const QList<QAction *> source = listMenu()->actions();
    const QList<QAction *> mirrors = colorList()->actions();
    ASSERT_EQ(source.size(), 15);
    ASSERT_EQ(mirrors.size(), source.size());
    for (qsizetype i = 0; i < source.size(); ++i) {
        SCOPED_TRACE(source[i]->objectName().toStdString());
        EXPECT_EQ(mirrors[i]->objectName(), source[i]->objectName() + "_copy");
        EXPECT_EQ(mirrors[i]->text(), source[i]->text());
        EXPECT_EQ(mirrors[i]->isSeparator(), source[i]->isSeparator());
        EXPECT_EQ(mirrors[i]->isCheckable(), source[i]->isCheckable());
        EXPECT_EQ(mirrors[i]->isChecked(), source[i]->isChecked());
        if (source[i] != item("FindClosestColor1")) {
            EXPECT_EQ(mirrors[i]->data(), source[i]->data());
        }
    }
}

TEST_F(NamedColorListTest, RightClickOnTheListOpensItsMenu)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10), list()->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(list(), &event);
    EXPECT_TRUE(listMenu()->isVisible());
    EXPECT_FALSE(control<QMenu>("pupMain")->isVisible());
    listMenu()->close();
}

TEST_F(NamedColorListTest, DroppedDownListShowsSixteenWholeEntries)
{
    EXPECT_EQ(list()->maxVisibleItems(), 16);
    QAbstractItemView *view = list()->view();
    EXPECT_EQ(view->sizeHintForRow(0), NamedColorItemHeight);
    list()->showPopup();
    EXPECT_EQ(view->viewport()->height(), 16 * NamedColorItemHeight);
    int widest = 0;
    for (int row = 0; row < list()->count(); ++row)
        widest = std::max(widest, view->sizeHintForIndex(view->model()->index(row, 0)).width());
    EXPECT_GT(widest, list()->width()) << "some names are longer than the closed box";
    EXPECT_GE(view->viewport()->width(), widest) << "no name is cut off";
    list()->hidePopup();
}

} // namespace
} // namespace pigmentrix
