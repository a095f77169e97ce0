// The window by keyboard alone: Tab in reading order, the keys of sliders,
// palette slots and the HSV picture, the menu keys, the options button, the
// channel boxes' own commands, and the ring that shows the focus.
#include "window_test_fixture.h"

#include "picker/history_actions.h"
#include "picker/palette_slot_panel.h"
#include "ui/focus_mark.h"
#include "ui/image_view.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QMenu>
#include <QTest>
#include <QToolButton>

namespace pigmentrix {
namespace {

class KeyboardTest : public PickerWindowTest {
protected:
    void focus(const char *name)
    {
        QWidget *widget = control(name);
        widget->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(QTest::qWaitFor([widget] { return widget->hasFocus(); })) << name;
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    QString focused() const
    {
        const QWidget *widget = QApplication::focusWidget();
        return widget ? widget->objectName() : QString();
    }
    // The menu that is open now, if any.
    QString openMenu() const
    {
        for (const char *name : {"pupMain", "pupColorPanel", "pupPalette"})
            if (control<QMenu>(name)->isVisible())
                return QString::fromLatin1(name);
        return {};
    }
    void closeMenus()
    {
        for (const char *name : {"pupMain", "pupColorPanel", "pupPalette"})
            control<QMenu>(name)->close();
    }
};

const QStringList ReadingOrder = {
    "pnlColor",       "edtRed",
    "edtGreen",       "edtBlue",
    "edtAlpha",       "scrollbarred",
    "scrollbarGreen", "scrollbarBlue",
    "scrollbarAlpha", "btnInvert",
    "btnRandom",      "btnDialog",
    "imgColorWheel",  "cbxDisplay",
    "edtColor",       "btnCopy",
    "btnSet",         "edtHue",
    "edtSaturation",  "edtValue",
    "scrollbarHue",   "scrollbarSaturation",
    "scrollbarValue", "btnGrab",
    "cbxZoom",        "JvSpeedButton1",
    "JvSpeedButton2", "mempan1",
    "cbxColors",      "btnOptions2",
    "btnClose",
};

TEST_F(KeyboardTest, TabRunsPanelByPanelInReadingOrderAndShiftTabBack)
{
    struct Row {
        Qt::KeyboardModifiers modifiers;
        QStringList order;
    };
    QStringList backwards(ReadingOrder.rbegin(), ReadingOrder.rend());
    backwards.prepend(backwards.takeLast());
    for (const Row &row : {Row{Qt::NoModifier, ReadingOrder}, Row{Qt::ShiftModifier, backwards}}) {
        SCOPED_TRACE(row.modifiers);
        focus("pnlColor");
        QStringList visited{focused()};
        for (qsizetype i = 1; i < row.order.size(); ++i) {
            press(Qt::Key_Tab, row.modifiers);
            visited << focused();
        }
        EXPECT_EQ(visited, row.order);
        press(Qt::Key_Tab, row.modifiers);
        EXPECT_EQ(focused(), "pnlColor") << "round again";
    }
}

TEST_F(KeyboardTest, InEveryLayoutTabVisitsThePanelsInTheirReadingOrder)
{
    // The window's panel a control lies in.
    const auto panelOf = [this](QWidget *control) {
        while (control->parentWidget() != window.get())
            control = control->parentWidget();
        return control;
    };
    for (const char *layout : {"Small1", "Medium1", "Large1"}) {
        SCOPED_TRACE(layout);
        item(layout)->trigger();
        focus("pnlColor");
        QList<QWidget *> visited{QApplication::focusWidget()};
        for (int i = 0; i < 60; ++i) {
            press(Qt::Key_Tab);
            if (QApplication::focusWidget() == visited.first())
                break;
            visited << QApplication::focusWidget();
        }
        EXPECT_EQ(QApplication::focusWidget(), visited.first()) << "round again";
        for (qsizetype i = 1; i < visited.size(); ++i) {
            const QWidget *before = panelOf(visited[i - 1]);
            const QWidget *now = panelOf(visited[i]);
            SCOPED_TRACE(visited[i]->objectName().toStdString());
            EXPECT_LE(std::pair(before->y(), before->x()), std::pair(now->y(), now->x()));
        }
    }
}

TEST_F(KeyboardTest, UndoAndRedoJoinTheOrderWhenTheyCanBeUsed)
{
    setColor(ComposeColor(10, 20, 30));
    pipeline().changeColor(ComposeColor(40, 50, 60));
    focus("btnDialog");
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), "btnUndo");
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), "imgColorWheel") << "Redo has nothing to redo";
}

TEST_F(KeyboardTest, SliderKeysChangeTheColour)
{
    struct Row {
        Qt::Key key;
        int red;
    };
    for (const Row row :
         {Row{Qt::Key_Up, 101}, Row{Qt::Key_Right, 101}, Row{Qt::Key_Down, 99}, Row{Qt::Key_Left, 99},
          Row{Qt::Key_PageUp, 116}, Row{Qt::Key_PageDown, 84}, Row{Qt::Key_Home, 0}, Row{Qt::Key_End, 255}}) {
        SCOPED_TRACE(row.key);
        setColor(ComposeColor(100, 20, 30));
        focus("scrollbarred");
        press(row.key);
        EXPECT_EQ(RedOf(color()), row.red);
        EXPECT_EQ(box("edtRed")->text(), QString::number(row.red));
    }
}

TEST_F(KeyboardTest, ArrowsMoveBetweenPaletteSlotsAndTabReturnsToTheLastOne)
{
    struct Row {
        Qt::Key key;
        const char *reached;
    };
    focus("mempan1");
    for (const Row row : {Row{Qt::Key_Right, "mempan2"}, Row{Qt::Key_Down, "mempan10"}, Row{Qt::Key_Down, "mempan10"},
                          Row{Qt::Key_Left, "mempan9"}, Row{Qt::Key_Left, "mempan9"}, Row{Qt::Key_Up, "mempan1"},
                          Row{Qt::Key_Right, "mempan2"}, Row{Qt::Key_Right, "mempan3"}}) {
        SCOPED_TRACE(row.reached);
        press(row.key);
        EXPECT_EQ(focused(), row.reached);
    }
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), "cbxColors") << "the slots are one stop";
    press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), "mempan3") << "back to the slot last in focus";
}

TEST_F(KeyboardTest, EnterOrSpaceOnASlotMakesItsColourCurrentAsAClickDoes)
{
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        SCOPED_TRACE(key);
        setColor(ComposeColor(1, 2, 3));
        focus("mempan4");
        press(key);
        EXPECT_EQ(color(), control<PaletteSlotPanel>("mempan4")->color());
        EXPECT_TRUE(area<HistoryActions>().history().canUndo()) << "recorded for undo as a click";
    }
}

TEST_F(KeyboardTest, MenuKeysOpenTheFocusedControlsMenu)
{
    struct Row {
        const char *control;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char *menu;
    };
    const Row rows[] = {
        {"pnlColor", Qt::Key_Menu, Qt::NoModifier, "pupColorPanel"},
        {"pnlColor", Qt::Key_F10, Qt::ShiftModifier, "pupColorPanel"},
        {"mempan5", Qt::Key_Menu, Qt::NoModifier, "pupPalette"},
        {"mempan5", Qt::Key_F10, Qt::ShiftModifier, "pupPalette"},
        {"btnCopy", Qt::Key_Menu, Qt::NoModifier, "pupMain"},
        {"scrollbarHue", Qt::Key_Menu, Qt::NoModifier, "pupMain"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << row.control << " " << row.key);
        focus(row.control);
        press(row.key, row.modifiers);
        EXPECT_EQ(openMenu(), row.menu);
        closeMenus();
    }
    focus("pnlColor");
    press(Qt::Key_F10);
    EXPECT_EQ(openMenu(), "") << "F10 alone is no menu key";
}

TEST_F(KeyboardTest, ShiftF10StaysZoomTenWhereTheControlHasNoMenuOfItsOwn)
{
    for (const char *name : {"scrollbarHue", "btnCopy", "edtRed"}) {
        SCOPED_TRACE(name);
        control<QComboBox>("cbxZoom")->setCurrentIndex(0);
        focus(name);
        press(Qt::Key_F10, Qt::ShiftModifier);
        EXPECT_EQ(openMenu(), "");
        EXPECT_EQ(control<QComboBox>("cbxZoom")->currentIndex(), 9);
    }
}

TEST_F(KeyboardTest, ThePaletteMenuOpenedByKeyActsOnTheFocusedSlot)
{
    focus("mempan7");
    press(Qt::Key_Menu);
    ASSERT_EQ(openMenu(), "pupPalette");
    item("SetasBackground1")->trigger();
    closeMenus();
    EXPECT_EQ(color(), control<PaletteSlotPanel>("mempan7")->color());
}

TEST_F(KeyboardTest, TheHsvPictureTakesTheColourAtItsPickingPointOnEnter)
{
    auto *picture = control<ImageView>("imgColorWheel");
    focus("imgColorWheel");
    const QPoint centre = picture->rect().center();
    EXPECT_EQ(picture->marker(), centre) << "the point shows while the picture has the focus";
    struct Row {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QPoint moved;
    };
    QPoint expected = centre;
    for (const Row row : {Row{Qt::Key_Right, Qt::NoModifier, {1, 0}}, Row{Qt::Key_Right, Qt::NoModifier, {1, 0}},
                          Row{Qt::Key_Up, Qt::ShiftModifier, {0, -10}}, Row{Qt::Key_Left, Qt::ShiftModifier, {-10, 0}},
                          Row{Qt::Key_Down, Qt::NoModifier, {0, 1}}}) {
        press(row.key, row.modifiers);
        expected += row.moved;
        EXPECT_EQ(picture->marker(), expected);
    }
    setColor(ComposeColor(1, 2, 3));
    press(Qt::Key_Return);
    const TColor byKey = color();
    EXPECT_NE(byKey, ComposeColor(1, 2, 3));

    setColor(ComposeColor(1, 2, 3));
    QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, expected);
    EXPECT_EQ(color(), byKey) << "the same colour a click there takes";
}

TEST_F(KeyboardTest, ThePickingPointStaysOnThePicture)
{
    auto *picture = control<ImageView>("imgColorWheel");
    focus("imgColorWheel");
    for (int i = 0; i < 20; ++i)
        press(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(picture->marker()->x(), 0);
    press(Qt::Key_Right);
    EXPECT_EQ(picture->marker()->x(), 1) << "one step brings it back";
    focus("btnCopy");
    EXPECT_FALSE(picture->marker()) << "hidden without the focus";
}

TEST_F(KeyboardTest, TheOptionsButtonOpensItsMenuOnReturnAsOnSpace)
{
    auto *options = control<QToolButton>("btnOptions2");
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        SCOPED_TRACE(key);
        focus("btnOptions2");
        press(key);
        ASSERT_EQ(openMenu(), "pupMain");
        EXPECT_EQ(control<QMenu>("pupMain")->x(), options->mapToGlobal(QPoint(0, 0)).x())
            << "by the button, wherever the pointer is";
        closeMenus();
    }
}

TEST_F(KeyboardTest, ChannelBoxesCopyCutPasteAndSelectAll)
{
    setColor(ComposeColor(65, 105, 225));
    QClipboard *clipboard = QGuiApplication::clipboard();
    focus("edtRed");
    QLineEdit *red = box("edtRed");
    red->deselect();
    press(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(red->selectedText(), "65");
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), "65");
    press(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(red->text(), "");
    EXPECT_EQ(clipboard->text(), "65");
    clipboard->setText("200");
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(red->text(), "200");
    EXPECT_EQ(color(), ComposeColor(200, 105, 225));
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(KeyboardTest, APasteThatIsNoNumberIsOneMessageAndTheTextComesBack)
{
    struct Row {
        const char *box;
        const char *pasted;
    };
    for (const Row row : {Row{"edtRed", "abc"}, Row{"edtHue", "x"}, Row{"edtAlpha", "1a"}}) {
        SCOPED_TRACE(row.box);
        dialogs.errors.clear();
        setColor(ComposeColor(65, 105, 225));
        focus(row.box);
        QLineEdit *box = this->box(row.box);
        const QString before = box->text();
        QGuiApplication::clipboard()->setText(QString::fromLatin1(row.pasted));
        box->selectAll();
        press(Qt::Key_V, Qt::ControlModifier);
        QApplication::processEvents();
        EXPECT_EQ(box->text(), before);
        EXPECT_EQ(color(), ComposeColor(65, 105, 225));
        EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("'%1' is not a valid integer value.").arg(row.pasted)});
        press(Qt::Key_End);
        press(Qt::Key_Backspace);
        QApplication::processEvents();
        EXPECT_EQ(box->text(), before.chopped(1));
        EXPECT_EQ(dialogs.errors.size(), 1) << "nothing more to tell";
    }
}

TEST_F(KeyboardTest, TheFocusRingFollowsTheFocusInTheDesignsColours)
{
    auto *mark = window->findChild<FocusMark *>("focusMark");
    ASSERT_NE(mark, nullptr);
    for (const char *name : {"edtRed", "pnlColor", "mempan3", "btnClose", "scrollbarHue", "cbxDisplay"}) {
        SCOPED_TRACE(name);
        focus(name);
        QWidget *control = this->control(name);
        EXPECT_EQ(mark->markedControl(), control);
        EXPECT_TRUE(mark->isVisible());
        const QRect around(control->mapTo(window.get(), QPoint(0, 0)), control->size());
        EXPECT_EQ(mark->geometry(), around.adjusted(-1, -1, 1, 1));
        const QImage shown = static_cast<QWidget *>(window.get())->grab().toImage();
        const qreal ratio = shown.devicePixelRatio();
        const QPoint corner = mark->geometry().topLeft() + QPoint(0, mark->height() / 2);
        EXPECT_EQ(shown.pixelColor(corner * ratio), FocusMark::outerColor());
        const QPoint inner = corner + QPoint(2, 0);
        EXPECT_EQ(shown.pixelColor(inner * ratio), FocusMark::innerColor());
    }
}

} // namespace
} // namespace pigmentrix
