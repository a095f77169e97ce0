// The window as a desktop citizen: layouts, title bar, always on top, moving
// by the body, the notification-area icon, closing and autostart.
#include "shell/window_shell.h"

#include "ui/accessibility.h"
#include "ui/artwork.h"
#include "ui/bound_controls.h"
#include "ui/control_factory.h"
#include "ui/error_guard.h"
#include "ui/menu_items.h"
#include "ui/window_geometry.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QSystemTrayIcon>
#include <QToolButton>
#include <QWindow>

namespace pigmentrix {

WindowShell::WindowShell(QWidget *window, const ErrorGuard &guard)
    : QObject(window)
    , window(window)
    , guard(guard)
{
    setObjectName(QStringLiteral("windowShell"));
    buildBottomButtons();
    recordLayout();
}

WindowShell::~WindowShell() = default;

void WindowShell::buildBottomButtons()
{
    pnlButtonsBottom = MakePanel(window, "pnlButtonsBottom", QRect(257, 249, 52, 30));
    const auto makeButton = [this](const char *name, const char *icon, const QString &hint, int left) {
        auto *button = new QToolButton(pnlButtonsBottom);
        button->setObjectName(QString::fromLatin1(name));
        button->setIcon(ArtworkIcon(QString::fromLatin1(icon)));
        button->setIconSize(QSize(14, 14));
        button->setToolTip(hint);
        button->setGeometry(left, 4, 23, 23);
        return button;
    };
    btnOptions2 = makeButton("btnOptions2", "settings", QStringLiteral("Options"), 2);
    btnClose = makeButton("btnClose", "close", QStringLiteral("Close"), 26);
    NameControl(btnOptions2, QStringLiteral("Options"));
    NameControl(btnClose, QStringLiteral("Close"));
    btnOptions2->installEventFilter(this);
    guard.connect(btnOptions2, &QToolButton::clicked, this, [this] { btnOptionsClick(); });
    guard.connect(btnClose, &QToolButton::clicked, this, [this] { btnCloseClick(); });
}

void WindowShell::setMainMenu(QMenu *menu)
{
    pupMain = menu;
}

void WindowShell::addWindowModeItems(QMenu *menu)
{
    AlwaysonTop1 = AddCheckItem(menu, QStringLiteral("AlwaysonTop1"), QStringLiteral("Always on Top"), false);
    guard.connect(AlwaysonTop1, &QAction::triggered, this, [this] { AlwaysonTop1Click(); });
    ShowHideTitlebar1 =
        AddCheckItem(menu, QStringLiteral("ShowHideTitlebar1"), QStringLiteral("Show/Hide Title Bar"), true);
    guard.connect(ShowHideTitlebar1, &QAction::triggered, this, [this] { ShowHideTitlebar1Click(); });
    QMenu *changeLayout = AddSubmenu(menu, QStringLiteral("ChangeLayout1"), QStringLiteral("Change Layout"));
    Small1 = AddGroupItem(changeLayout, QStringLiteral("Small1"), QStringLiteral("Small"),
                          static_cast<int>(Layout::Small), false, QKeySequence(Qt::CTRL | Qt::Key_B));
    Medium1 = AddGroupItem(changeLayout, QStringLiteral("Medium1"), QStringLiteral("Medium"),
                           static_cast<int>(Layout::Medium), false, QKeySequence(Qt::CTRL | Qt::Key_N));
    Large1 = AddGroupItem(changeLayout, QStringLiteral("Large1"), QStringLiteral("Large"),
                          static_cast<int>(Layout::Large), false, QKeySequence(Qt::CTRL | Qt::Key_M));
    for (QAction *item : {Small1, Medium1, Large1})
        guard.connect(item, &QAction::triggered, this,
                      [this, item] { Small1Click(static_cast<Layout>(item->data().toInt())); });
}

void WindowShell::addTrayItems(QMenu *menu)
{
    StayinSystemTray1 =
        AddCheckItem(menu, QStringLiteral("StayinSystemTray1"), QStringLiteral("Stay in System Tray"), true);
    guard.connect(StayinSystemTray1, &QAction::triggered, this, [this] { StayinSystemTray1Click(); });
    RunonStartup1 = AddCheckItem(menu, QStringLiteral("RunonStartup1"), QStringLiteral("Run on Startup"), false);
    guard.connect(RunonStartup1, &QAction::triggered, this, [this] { RunonStartup1Click(); });
    RunonStartup1->setChecked(autostart.exists());
}

void WindowShell::addExitItem(QMenu *menu)
{
    Exit1 = AddItem(menu, QStringLiteral("Exit1"), QStringLiteral("Exit"), QKeySequence(Qt::ALT | Qt::Key_F4));
    guard.connect(Exit1, &QAction::triggered, this, [this] { Exit1Click(); });
}

std::vector<PropertyBinding> WindowShell::storedProperties()
{
    return {CheckedRow("AlwaysonTop1_Checked", AlwaysonTop1),
            CheckedRow("StayinSystemTray1_Checked", StayinSystemTray1)};
}

void WindowShell::recordLayout()
{
    oLayout = Layout::Large;
    layoutGeometry = DesignLayoutGeometry();
    layoutRecord = RecordLayout(layoutGeometry);
    layoutState = LayoutState{};
}

void WindowShell::applyStoredLayout(Layout layout, bool showTitle)
{
    if (layout == Layout::Large) {
        Large1->setChecked(true);
        layoutState.checks.large = true;
    } else {
        ChangeLayout(layout);
    }
    showtitle = showTitle;
    if (!showtitle)
        HideTitlebar();
}

void WindowShell::ChangeLayout(Layout mLayout)
{
    // The ticks of the layout in force, kept here: a checkable item has
    // already toggled itself when its handler runs, and a repeated choice
    // must find its own tick.
    layoutState.oLayout = oLayout;
    const int nudgeBefore = layoutGeometry.labelNudge;
    pigmentrix::ChangeLayout(layoutGeometry, layoutState, layoutRecord, mLayout);
    oLayout = layoutState.oLayout;
    Small1->setChecked(layoutState.checks.small);
    Medium1->setChecked(layoutState.checks.medium);
    Large1->setChecked(layoutState.checks.large);
    emit layoutApplied(layoutGeometry, layoutGeometry.labelNudge - nudgeBefore);
    applyWindowSize();
}

void WindowShell::applyWindowSize()
{
    const int captionHeight = captionShown ? design::CaptionHeight : 0;
    window->setFixedSize(layoutGeometry.outerWidth - 2 * design::FrameWidth,
                         layoutGeometry.outerHeight - 2 * design::FrameWidth - captionHeight);
}

void WindowShell::Small1Click(Layout layout)
{
    ChangeLayout(layout);
    emit layoutChosen();
    layoutState.checks = {layout == Layout::Small, layout == Layout::Medium, layout == Layout::Large};
    Small1->setChecked(layoutState.checks.small);
    Medium1->setChecked(layoutState.checks.medium);
    Large1->setChecked(layoutState.checks.large);
}

void WindowShell::setWindowFlagInPlace(Qt::WindowType flag, bool on)
{
    // Changing a flag hides the window; it comes back where it was.
    const QPoint place = window->pos();
    const bool visible = window->isVisible();
    window->setWindowFlag(flag, on);
    if (visible) {
        window->move(place);
        window->show();
    }
}

void WindowShell::HideTitlebar()
{
    if (captionShown) {
        captionShown = false;
        layoutGeometry.outerHeight -= design::CaptionHeight;
        setWindowFlagInPlace(Qt::FramelessWindowHint, true);
        applyWindowSize();
    }
    ShowHideTitlebar1->setChecked(false);
}

void WindowShell::ShowTitlebar()
{
    if (!captionShown) {
        captionShown = true;
        layoutGeometry.outerHeight += design::CaptionHeight;
        setWindowFlagInPlace(Qt::FramelessWindowHint, false);
        applyWindowSize();
    }
    ShowHideTitlebar1->setChecked(true);
}

void WindowShell::ShowHideTitlebar1Click()
{
    if (showtitle)
        HideTitlebar();
    else
        ShowTitlebar();
    showtitle = !showtitle;
}

void WindowShell::SetStayOnTop(bool OnTop)
{
    if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != OnTop)
        setWindowFlagInPlace(Qt::WindowStaysOnTopHint, OnTop);
}

void WindowShell::AlwaysonTop1Click()
{
    SetStayOnTop(AlwaysonTop1->isChecked());
}

// The body moves the window, which matters most without a title bar; the
// right button opens the main menu instead. A move starts only once the
// pointer has travelled: a plain click leaves the window where it is. The
// left button hands the move to the window manager (which snaps and knows
// the edges); the middle button, which window managers do not follow,
// moves the window here.
bool WindowShell::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton && event->button() != Qt::MiddleButton)
        return false;
    dragButton = event->button();
    dragStart = event->globalPosition().toPoint();
    // The client's own place: the frame's is only known once the window
    // manager has said how thick its frame is.
    dragOrigin = window->geometry().topLeft();
    event->accept();
    return true;
}

bool WindowShell::mouseMoveEvent(QMouseEvent *event)
{
    if (dragButton == Qt::NoButton)
        return false;
    if (!event->buttons().testFlag(dragButton)) {
        dragButton = Qt::NoButton;
        return false;
    }
    const QPoint travelled = event->globalPosition().toPoint() - dragStart;
    if (dragButton == Qt::LeftButton && travelled.manhattanLength() < QApplication::startDragDistance())
        return true;
    window->setGeometry(QRect(dragOrigin + travelled, window->size()));
    if (dragButton == Qt::LeftButton) {
        QWindow *handle = window->windowHandle();
        if (handle && handle->startSystemMove())
            dragButton = Qt::NoButton;
    }
    return true;
}

bool WindowShell::mouseReleaseEvent(QMouseEvent *event)
{
    if (dragButton == Qt::NoButton || event->button() != dragButton)
        return false;
    dragButton = Qt::NoButton;
    return true;
}

void WindowShell::btnOptionsClick()
{
    pupMain->popup(QCursor::pos());
}

// Return and Enter open the menu as Space does, under the button rather
// than at the pointer, which may be anywhere.
bool WindowShell::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == btnOptions2 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            pupMain->popup(btnOptions2->mapToGlobal(QPoint(0, btnOptions2->height())));
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void WindowShell::windowShown()
{
    if (!allowCloseOption)
        AllowClose = !StayinSystemTray1->isChecked();
    SetStayOnTop(AlwaysonTop1->isChecked());
}

void WindowShell::setAllowCloseOption()
{
    AllowClose = true;
    allowCloseOption = true;
}

// --- Notification area and closing -----------------------------------------

void WindowShell::setTrayActive(bool active)
{
    if (!active) {
        delete JvTrayIcon1;
        JvTrayIcon1 = nullptr;
        return;
    }
    if (JvTrayIcon1)
        return;
    JvTrayIcon1 = new QSystemTrayIcon(ArtworkIcon(u"program"), this);
    JvTrayIcon1->setObjectName(QStringLiteral("JvTrayIcon1"));
    JvTrayIcon1->setToolTip(QStringLiteral("Pigmentrix"));
    JvTrayIcon1->setContextMenu(pupMain);
    guard.connect(JvTrayIcon1, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason != QSystemTrayIcon::Trigger && reason != QSystemTrayIcon::DoubleClick)
            return;
        // A double click arrives as a click and a double click: one toggle.
        if (lastTrayClick.isValid() && lastTrayClick.elapsed() < QApplication::doubleClickInterval())
            return;
        lastTrayClick.start();
        JvTrayIcon1Click();
    });
    JvTrayIcon1->show();
}

bool WindowShell::trayUsable() const
{
    return JvTrayIcon1 && QSystemTrayIcon::isSystemTrayAvailable();
}

void WindowShell::JvTrayIcon1Click()
{
    if (window->isVisible() && !window->isMinimized())
        HideApplication();
    else
        ShowApplication();
}

void WindowShell::HideApplication()
{
    window->hide();
}

void WindowShell::ShowApplication()
{
    if (window->isMinimized())
        window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
}

void WindowShell::closeEvent(QCloseEvent *event)
{
    // Without a notification area a hidden window could never come back, so
    // a close then ends the program whatever the setting says.
    if (AllowClose || !trayUsable()) {
        emit closeAccepted();
        event->accept();
        QApplication::quit();
        return;
    }
    HideApplication();
    event->ignore();
}

void WindowShell::btnCloseClick()
{
    if (AllowClose || !trayUsable())
        window->close();
    else
        HideApplication();
}

void WindowShell::Exit1Click()
{
    AllowClose = true;
    window->close();
}

void WindowShell::StayinSystemTray1Click()
{
    AllowClose = !StayinSystemTray1->isChecked();
}

void WindowShell::RunonStartup1Click()
{
    if (RunonStartup1->isChecked()) {
        // The item toggled itself already; this click asks to register.
        if (const std::optional<std::string> error =
                autostart.write(QApplication::applicationFilePath().toStdString())) {
            RunonStartup1->setChecked(false);
            guard.report(QString::fromStdString(*error));
        }
    } else {
        autostart.remove();
    }
}

void WindowShell::changeEvent(QEvent *event)
{
    // Minimising sends the program to the notification area.
    if (event->type() == QEvent::WindowStateChange && window->isMinimized() && trayUsable())
        QMetaObject::invokeMethod(this, &WindowShell::HideApplication, Qt::QueuedConnection);
}

} // namespace pigmentrix
