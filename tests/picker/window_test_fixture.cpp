#include "window_test_fixture.h"

#include "update/update_commands.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace pigmentrix {

void PickerWindowTest::SetUp()
{
    openWindow();
}

void PickerWindowTest::TearDown()
{
    window.reset();
}

void PickerWindowTest::openWindow(const PickerSettings &settings, const QString &paramcolor)
{
    window.reset();
    window = std::make_unique<TfrmColorPick>(settings, dialogs);
    window->setColorParameter(paramcolor);
    area<UpdateCommands>().setLinkOpener(links);
    area<UpdateCommands>().checker().source = versionSource;
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
}

void PickerWindowTest::typeInto(QLineEdit *box, const QString &text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

void PickerWindowTest::leave(QLineEdit *box)
{
    box->setFocus();
    control("btnCopy")->setFocus();
}

void PickerWindowTest::moveToScreen(const char *screenName)
{
    for (QScreen *screen : QApplication::screens()) {
        if (screen->name() == QLatin1String(screenName))
            window->move(screen->geometry().topLeft() + QPoint(40, 40));
    }
    QApplication::processEvents();
}

void PickerWindowTest::pressSlider(TJvTracker *slider, int x)
{
    QTest::mousePress(slider, Qt::LeftButton, Qt::NoModifier, QPoint(x, slider->height() / 2));
    QTest::mouseRelease(slider, Qt::LeftButton, Qt::NoModifier, QPoint(x, slider->height() / 2));
}

void PickerWindowTest::chooseNotation(int notation) const
{
    for (QAction *action : item("Colordisplay1")->menu()->actions()) {
        if (!action->isSeparator() && action->data().toInt() == notation) {
            action->trigger();
            return;
        }
    }
    ADD_FAILURE() << "no item of notation " << notation;
}

} // namespace pigmentrix
