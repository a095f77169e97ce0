#include "window_test_fixture.h"

#include "model/color_codes.h"
#include "picker/history_actions.h"
#include "shell/window_shell.h"

#include "ui/image_view.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>

namespace pigmentrix {
namespace {

using WindowShellTest = PickerWindowTest;

TEST_F(WindowShellTest, LayoutsGiveTheDesignClientSizes)
{
    struct Row {
        const char *item;
        QSize client;
        QRect rgb;
        bool slidersShown;
    };
    const Row rows[] = {
        {"Small1", {245, 194}, {101, 111, 70, 81}, false},
        {"Medium1", {310, 282}, {101, 111, 70, 81}, false},
        {"Large1", {486, 282}, {101, 3, 208, 106}, true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(item(row.item)->text().toStdString());
        item(row.item)->trigger();
        EXPECT_EQ(window->size(), row.client);
        EXPECT_EQ(control("pnlRGB")->geometry(), row.rgb);
        EXPECT_EQ(slider("scrollbarred")->isVisible(), row.slidersShown);
        EXPECT_EQ(control<QLabel>("lblXPos")->isVisible(), row.slidersShown);
        EXPECT_TRUE(item(row.item)->isChecked());
        EXPECT_EQ(control<ImageView>("imgColorWheel")->image().size(), control<ImageView>("imgColorWheel")->size());
    }
}

TEST_F(WindowShellTest, LabelledRowsReturnToTheirDesignPlaces)
{
    const int designTop = box("edtRed")->y();
    item("Small1")->trigger();
    EXPECT_EQ(box("edtRed")->y(), designTop - 2);
    item("Medium1")->trigger();
    EXPECT_EQ(control<QLabel>("lblHue")->y(), 10 - 2);
    item("Large1")->trigger();
    EXPECT_EQ(box("edtRed")->y(), designTop);
    EXPECT_EQ(control<QLabel>("lblHue")->y(), 10);
}

TEST_F(WindowShellTest, ALayoutChosenAgainMovesNothing)
{
    const int designTop = box("edtRed")->y();
    struct Step {
        const char *item;
        int rowTop; // edtRed's top after the choice
    };
    const Step steps[] = {{"Small1", designTop - 2},  {"Small1", designTop - 2},  {"Small1", designTop - 2},
                          {"Medium1", designTop - 2}, {"Medium1", designTop - 2}, {"Large1", designTop},
                          {"Large1", designTop}};
    for (const Step &step : steps) {
        SCOPED_TRACE(step.item);
        item(step.item)->trigger();
        EXPECT_EQ(box("edtRed")->y(), step.rowTop);
        EXPECT_TRUE(item(step.item)->isChecked()) << "the choice in force keeps its tick";
    }
    QTest::keyClick(window.get(), Qt::Key_B, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(box("edtRed")->y(), designTop - 2) << "Ctrl+B twice";
    EXPECT_EQ(control<QLabel>("lblHue")->y(), 10 - 2);
}

TEST_F(WindowShellTest, TheBodyMovesTheWindowOnlyWhileAButtonDrags)
{
    const auto send = [this](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at) {
        QMouseEvent event(type, at, window->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &event);
    };
    const QPoint body(1, 1); // the window's edge, outside every panel
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::MiddleButton}) {
        SCOPED_TRACE(button);
        window->move(100, 100);
        // A plain click: nothing follows the pointer afterwards.
        send(QEvent::MouseButtonPress, button, button, body);
        send(QEvent::MouseButtonRelease, button, Qt::NoButton, body);
        send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton, body + QPoint(40, 30));
        EXPECT_EQ(window->pos(), QPoint(100, 100));

        // A drag moves it by the pointer's way; the release ends the move.
        send(QEvent::MouseButtonPress, button, button, body);
        send(QEvent::MouseMove, Qt::NoButton, button, body + QPoint(20, 10));
        EXPECT_EQ(window->pos(), QPoint(120, 110));
        send(QEvent::MouseButtonRelease, button, Qt::NoButton, body + QPoint(20, 10) - QPoint(20, 10));
        const QPoint after = window->pos();
        send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton, body + QPoint(50, 50));
        EXPECT_EQ(window->pos(), after);
    }
}

TEST_F(WindowShellTest, ADoubleClickOnTheTrayIconActsAsOneClick)
{
    auto *icon = window->findChild<QSystemTrayIcon *>("JvTrayIcon1");
    ASSERT_NE(icon, nullptr);
    ASSERT_TRUE(window->isVisible());
    emit icon->activated(QSystemTrayIcon::Trigger);
    emit icon->activated(QSystemTrayIcon::DoubleClick);
    EXPECT_FALSE(window->isVisible()) << "hidden once, not shown again";
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    emit icon->activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(window->isVisible()) << "a later click counts again";
}

TEST_F(WindowShellTest, ChoosingALayoutMakesTheColourOpaque)
{
    setColor(ComposeColor(10, 200, 30));
    box("edtAlpha")->setText("128");
    item("Medium1")->trigger();
    EXPECT_EQ(slider("scrollbarAlpha")->Value(), 255);
    // The colour is taken again from the rounded HSV sliders.
    EXPECT_EQ(color(), ComposeColor(10, 200, 29));
}

TEST_F(WindowShellTest, TitleBarToggleKeepsTheClientSize)
{
    const QSize before = window->size();
    item("ShowHideTitlebar1")->trigger();
    EXPECT_FALSE(item("ShowHideTitlebar1")->isChecked());
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(window->size(), before);
    item("ShowHideTitlebar1")->trigger();
    EXPECT_TRUE(item("ShowHideTitlebar1")->isChecked());
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(window->size(), before);
}

TEST_F(WindowShellTest, LayoutWithoutTitleBarIsTallerByTheCaption)
{
    item("ShowHideTitlebar1")->trigger();
    item("Large1")->trigger();
    EXPECT_EQ(window->size(), QSize(486, 282 + 23));
}

TEST_F(WindowShellTest, StayInTrayDecidesWhetherCloseEnds)
{
    EXPECT_TRUE(item("StayinSystemTray1")->isChecked());
    item("StayinSystemTray1")->trigger();
    EXPECT_TRUE(area<WindowShell>().allowClose());
    item("StayinSystemTray1")->trigger();
    EXPECT_FALSE(area<WindowShell>().allowClose());
}

TEST_F(WindowShellTest, WithoutANotificationAreaCloseEndsTheProgram)
{
    ASSERT_FALSE(area<WindowShell>().trayUsable()) << "the offscreen platform has no notification area";
    QSignalSpy closing(window.get(), &TfrmColorPick::closing);
    window->close();
    EXPECT_EQ(closing.count(), 1);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(WindowShellTest, ExitAllowsTheClose)
{
    QSignalSpy closing(window.get(), &TfrmColorPick::closing);
    item("Exit1")->trigger();
    EXPECT_TRUE(area<WindowShell>().allowClose());
    EXPECT_EQ(closing.count(), 1);
}

TEST_F(WindowShellTest, MenuKeysWorkFromAnEditBox)
{
    setColor(ComposeColor(1, 1, 1));
    pipeline().changeColor(ComposeColor(2, 2, 2));
    box("edtRed")->setFocus();
    QTest::keyClick(box("edtRed"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(color(), ComposeColor(1, 1, 1));
    QTest::keyClick(box("edtRed"), Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(color(), ComposeColor(2, 2, 2));
}

TEST_F(WindowShellTest, RunOnStartupWritesAndRemovesTheEntry)
{
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    openWindow();
    EXPECT_FALSE(item("RunonStartup1")->isChecked());
    item("RunonStartup1")->trigger();
    EXPECT_TRUE(item("RunonStartup1")->isChecked());
    EXPECT_TRUE(QFile::exists(config.path() + "/autostart/pigmentrix.desktop"));
    openWindow();
    EXPECT_TRUE(item("RunonStartup1")->isChecked()) << "read again at the next start";
    item("RunonStartup1")->trigger();
    EXPECT_FALSE(QFile::exists(config.path() + "/autostart/pigmentrix.desktop"));
    qputenv("XDG_CONFIG_HOME", saved);
}

} // namespace
} // namespace pigmentrix

namespace pigmentrix {
namespace {

TEST_F(WindowShellTest, MainMenuHoldsEveryItemInOrder)
{
    const QStringList expected = {"AlwaysonTop1",
                                  "ShowHideTitlebar1",
                                  "ChangeLayout1",
                                  "UseAlphaChannels1",
                                  "N4",
                                  "Zoom1",
                                  "Colordisplay1",
                                  "UpperCaseColorCodes1",
                                  "ColorAveraging1",
                                  "extDisplay1",
                                  "AutoColorCopyafterGrab1",
                                  "FreezeScreenWhilePicking1",
                                  "ScreenColors1",
                                  "PickShortcut1",
                                  "DisplayMode1",
                                  "N3",
                                  "UndoColorChange1",
                                  "RedoColorchange1",
                                  "N11",
                                  "ColorList1",
                                  "N7",
                                  "StayinSystemTray1",
                                  "RunonStartup1",
                                  "CheckforNewVersiononStartup1",
                                  "N1",
                                  "VisitDunmooreSoftwareWebsite1",
                                  "mnuCheckUpdate",
                                  "N2",
                                  "ShowHelpfile1",
                                  "N5",
                                  "AboutPigmentrix1",
                                  "N6",
                                  "Exit1"};
    QStringList names;
    for (const QAction *item : control<QMenu>("pupMain")->actions())
        names << item->objectName();
    EXPECT_EQ(names, expected);
}

} // namespace
} // namespace pigmentrix

namespace pigmentrix {
namespace {

// Every key of the main menu reaches its item, from an edit box and from a
// slider alike. "Exit" (Alt+F4) ends the window and is tried end to end.
TEST_F(WindowShellTest, EveryMenuKeyReachesItsItem)
{
    int keys = 0;
    const QAction *exitItem = item("Exit1");
    for (QAction *item : window->actions()) {
        if (item->shortcut().isEmpty() || item == exitItem)
            continue;
        ++keys;
        const QKeyCombination key = item->shortcut()[0];
        for (QWidget *focus : std::initializer_list<QWidget *>{box("edtRed"), slider("scrollbarHue")}) {
            SCOPED_TRACE(item->objectName().toStdString() + " from " + focus->objectName().toStdString());
            QSignalSpy triggered(item, &QAction::triggered);
            focus->setFocus();
            // Sent with no character, as the platform sends these keys.
            QTest::sendKeyEvent(QTest::Click, focus, key.key(), QString(), key.keyboardModifiers());
            EXPECT_EQ(triggered.count(), 1);
        }
    }
    EXPECT_EQ(keys, 27) << "every key of the menu tables but Alt+F4";
}

} // namespace
} // namespace pigmentrix
