// The window as a desktop citizen: layouts, title bar, always on top, moving
// by the body, the notification-area icon, closing and autostart.
#include "picker/color_pick_window.h"

#include "displays/tracker.h"
#include "displays/image_view.h"
#include "picker/color_frame_panel.h"
#include "picker/menu_items.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QSystemTrayIcon>
#include <QToolButton>
#include <QWindow>

namespace pigmentrix {
namespace {

QRect ToQRect(const PanelRect &r)
{
    return {r.left, r.top, r.width, r.height};
}

} // namespace

void TfrmColorPick::buildBottomButtons()
{
    const auto makeButton = [this](const char *name, const char *icon, const QString &hint, int left) {
        auto *button = new QToolButton(pnlButtonsBottom);
        button->setObjectName(QString::fromLatin1(name));
        button->setIcon(QIcon(QString::fromLatin1(icon)));
        button->setIconSize(QSize(14, 14));
        button->setToolTip(hint);
        button->setGeometry(left, 4, 23, 23);
        return button;
    };
    btnOptions2 = makeButton("btnOptions2", ":/icons/settings.svg", QString(), 2);
    btnClose = makeButton("btnClose", ":/icons/close.svg", QStringLiteral("Close"), 26);
    connect(btnOptions2, &QToolButton::clicked, this, [this] { btnOptionsClick(); });
    connect(btnClose, &QToolButton::clicked, this, [this] { btnCloseClick(); });
}

void TfrmColorPick::buildWindowModeItems()
{
    AlwaysonTop1 = AddCheckItem(pupMain, QStringLiteral("AlwaysonTop1"), QStringLiteral("Always on Top"), false);
    connect(AlwaysonTop1, &QAction::triggered, this, [this] { AlwaysonTop1Click(); });
    ShowHideTitlebar1 =
        AddCheckItem(pupMain, QStringLiteral("ShowHideTitlebar1"), QStringLiteral("Show/Hide Title Bar"), true);
    connect(ShowHideTitlebar1, &QAction::triggered, this, [this] { ShowHideTitlebar1Click(); });
    QMenu *changeLayout = AddSubmenu(pupMain, QStringLiteral("ChangeLayout1"), QStringLiteral("Change Layout"));
    Small1 = AddGroupItem(changeLayout, QStringLiteral("Small1"), QStringLiteral("Small"), LayoutSmall, false,
                          QKeySequence(Qt::CTRL | Qt::Key_B));
    Medium1 = AddGroupItem(changeLayout, QStringLiteral("Medium1"), QStringLiteral("Medium"), LayoutMedium, false,
                           QKeySequence(Qt::CTRL | Qt::Key_N));
    Large1 = AddGroupItem(changeLayout, QStringLiteral("Large1"), QStringLiteral("Large"), LayoutLarge, false,
                          QKeySequence(Qt::CTRL | Qt::Key_M));
    for (QAction *item : {Small1, Medium1, Large1})
        connect(item, &QAction::triggered, this, [this, item] { runGuarded([this, item] { Small1Click(item->data().toInt()); }); });
}

void TfrmColorPick::buildTrayItems()
{
    StayinSystemTray1 =
        AddCheckItem(pupMain, QStringLiteral("StayinSystemTray1"), QStringLiteral("Stay in System Tray"), true);
    connect(StayinSystemTray1, &QAction::triggered, this, [this] { StayinSystemTray1Click(); });
    RunonStartup1 = AddCheckItem(pupMain, QStringLiteral("RunonStartup1"), QStringLiteral("Run on Startup"), false);
    connect(RunonStartup1, &QAction::triggered, this, [this] { runGuarded([this] { RunonStartup1Click(); }); });
}

void TfrmColorPick::recordLayout()
{
    layoutDetails = {lblX, lblY, lblXPos, lblYPos};
    oLayout = LayoutLarge;
    layoutGeometry = DesignLayoutGeometry();
    layoutRecord = RecordLayout(layoutGeometry);
    layoutState = LayoutState{};
}

void TfrmColorPick::applyStoredLayout(int layout)
{
    if (layout == LayoutLarge) {
        Large1->setChecked(true);
        layoutState.checks.large = true;
        return;
    }
    ChangeLayout(layout);
}

void TfrmColorPick::ChangeLayout(int mLayout)
{
    layoutState.oLayout = oLayout;
    layoutState.checks = {Small1->isChecked(), Medium1->isChecked(), Large1->isChecked()};
    const int nudgeBefore = layoutGeometry.labelNudge;
    pigmentrix::ChangeLayout(layoutGeometry, layoutState, layoutRecord, mLayout);
    oLayout = layoutState.oLayout;
    Small1->setChecked(layoutState.checks.small);
    Medium1->setChecked(layoutState.checks.medium);
    Large1->setChecked(layoutState.checks.large);

    const LayoutGeometry &g = layoutGeometry;
    pnlRGB->setGeometry(ToQRect(g.rgb));
    pnlHSV->setGeometry(ToQRect(g.hsv));
    pnlButtons->setGeometry(ToQRect(g.buttons));
    pnlButtons->setVisible(g.buttonsVisible);
    pnlCircle->setGeometry(ToQRect(g.circle));
    pnlCircle->setVisible(g.circleVisible);
    pnlMagnifier->setGeometry(ToQRect(g.magnifier));
    pnlMagnifierArea->setGeometry(ToQRect(g.magnifierArea));
    pnlPalette->setVisible(g.paletteVisible);
    for (TJvTracker *slider : {scrollbarred, scrollbarGreen, scrollbarBlue, scrollbarHue, scrollbarSaturation, scrollbarValue})
        slider->setVisible(g.detailsVisible);
    for (QWidget *detail : layoutDetails)
        detail->setVisible(g.detailsVisible);

    const int nudge = g.labelNudge - nudgeBefore;
    if (nudge != 0) {
        for (QWidget *row : std::initializer_list<QWidget *>{edtRed, edtGreen, edtBlue, lblRed, lblGreen, lblBlue, edtHue,
                                                             edtSaturation, edtValue, lblHue, lblSaturation, lblValue})
            row->move(row->x(), row->y() + nudge);
    }
    applyWindowSize();
    imgColorWheel->resize(g.wheelWidth, g.wheelHeight);
    UpdateCircle();
}

void TfrmColorPick::applyWindowSize()
{
    const int captionHeight = captionShown ? DesignCaptionHeight : 0;
    setFixedSize(layoutGeometry.outerWidth - 2 * DesignFrameWidth,
                 layoutGeometry.outerHeight - 2 * DesignFrameWidth - captionHeight);
}

void TfrmColorPick::Small1Click(int layout)
{
    ChangeLayout(layout);
    if (scrollbarAlpha->Value() != 255) {
        scrollbarAlpha->setValue(255);
        UpdateColor(5);
    }
    Small1->setChecked(layout == LayoutSmall);
    Medium1->setChecked(layout == LayoutMedium);
    Large1->setChecked(layout == LayoutLarge);
}

void TfrmColorPick::setFrameless(bool frameless)
{
    const QPoint place = pos();
    const bool visible = isVisible();
    setWindowFlag(Qt::FramelessWindowHint, frameless);
    if (visible) {
        move(place);
        show();
    }
}

void TfrmColorPick::HideTitlebar()
{
    if (captionShown) {
        captionShown = false;
        layoutGeometry.outerHeight -= DesignCaptionHeight;
        setFrameless(true);
        applyWindowSize();
    }
    ShowHideTitlebar1->setChecked(false);
}

void TfrmColorPick::ShowTitlebar()
{
    if (!captionShown) {
        captionShown = true;
        layoutGeometry.outerHeight += DesignCaptionHeight;
        setFrameless(false);
        applyWindowSize();
    }
    ShowHideTitlebar1->setChecked(true);
}

void TfrmColorPick::ShowHideTitlebar1Click()
{
    if (showtitle)
        HideTitlebar();
    else
        ShowTitlebar();
    showtitle = !showtitle;
}

void TfrmColorPick::SetStayOnTop(bool OnTop)
{
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == OnTop)
        return;
    const QPoint place = pos();
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, OnTop);
    if (visible) {
        move(place);
        show();
    }
}

void TfrmColorPick::AlwaysonTop1Click()
{
    SetStayOnTop(AlwaysonTop1->isChecked());
}

void TfrmColorPick::mousePressEvent(QMouseEvent *event)
{
    // The body moves the window, which matters most without a title bar. The
    // right button opens the main menu instead.
    if (event->button() == Qt::LeftButton || event->button() == Qt::MiddleButton) {
        if (QWindow *handle = windowHandle())
            handle->startSystemMove();
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void TfrmColorPick::btnOptionsClick()
{
    pupMain->popup(QCursor::pos());
}

// --- Notification area and closing -----------------------------------------

void TfrmColorPick::setTrayActive(bool active)
{
    if (!active) {
        JvTrayIcon1.reset();
        return;
    }
    if (JvTrayIcon1)
        return;
    JvTrayIcon1 = std::make_unique<QSystemTrayIcon>(QIcon(QStringLiteral(":/icons/pigmentrix.svg")));
    JvTrayIcon1->setToolTip(QStringLiteral("Pigmentrix"));
    JvTrayIcon1->setContextMenu(pupMain);
    connect(JvTrayIcon1.get(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
            JvTrayIcon1Click();
    });
    JvTrayIcon1->show();
}

bool TfrmColorPick::trayUsable() const
{
    return JvTrayIcon1 && QSystemTrayIcon::isSystemTrayAvailable();
}

void TfrmColorPick::JvTrayIcon1Click()
{
    if (isVisible() && !isMinimized())
        HideApplication();
    else
        ShowApplication();
}

void TfrmColorPick::HideApplication()
{
    hide();
}

void TfrmColorPick::ShowApplication()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void TfrmColorPick::closeEvent(QCloseEvent *event)
{
    // Without a notification area a hidden window could never come back, so
    // a close then ends the program whatever the setting says.
    if (AllowClose || !trayUsable()) {
        FormClose();
        event->accept();
        QApplication::quit();
        return;
    }
    HideApplication();
    event->ignore();
}

void TfrmColorPick::btnCloseClick()
{
    if (AllowClose || !trayUsable())
        close();
    else
        HideApplication();
}

void TfrmColorPick::Exit1Click()
{
    AllowClose = true;
    close();
}

void TfrmColorPick::StayinSystemTray1Click()
{
    AllowClose = !StayinSystemTray1->isChecked();
}

void TfrmColorPick::RunonStartup1Click()
{
    if (RunonStartup1->isChecked()) {
        // The item toggled itself already; this click asks to register.
        if (const std::optional<std::string> error = autostart.write(QApplication::applicationFilePath().toStdString())) {
            RunonStartup1->setChecked(false);
            reportError(QString::fromStdString(*error));
        }
    } else {
        autostart.remove();
    }
}

void TfrmColorPick::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Minimising sends the program to the notification area.
    if (event->type() == QEvent::WindowStateChange && isMinimized() && trayUsable())
        QMetaObject::invokeMethod(this, &TfrmColorPick::HideApplication, Qt::QueuedConnection);
}

} // namespace pigmentrix
