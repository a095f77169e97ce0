#include "sampling/frozen_overlay.h"

#include "sampling/eyedropper_cursor.h"
#include "ui/arrow_nudge.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace pigmentrix {

bool X11InsideWayland()
{
    return QGuiApplication::platformName() == QLatin1String("xcb") && qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

namespace {

QRect Covered(const std::vector<ScreenPlacement> &parts)
{
    QRect covered;
    for (const ScreenPlacement &part : parts)
        covered |= part.logical;
    return covered;
}

} // namespace

// Inside a Wayland compositor the window is a splash screen: one whose
// clicks do not take the keyboard focus from another (which would make the
// compositor move the pointer).
FrozenScreenOverlay::FrozenScreenOverlay(QScreen *screen, std::vector<ScreenPlacement> parts, const QImage &desktop)
    : QWidget(nullptr, (X11InsideWayland() ? Qt::SplashScreen | Qt::BypassWindowManagerHint : Qt::Window)
                           | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , screens(std::move(parts))
{
    for (const ScreenPlacement &part : screens)
        pictures.push_back(desktop.copy(part.image));
    setObjectName(QStringLiteral("frozenScreen"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(EyedropperCursor());
    setFocusPolicy(Qt::StrongFocus);
    setScreen(screen);
    setGeometry(Covered(screens));
    create();
    windowHandle()->installEventFilter(this);
}

bool FrozenScreenOverlay::holds(QPoint imagePixel) const
{
    return std::any_of(screens.begin(), screens.end(),
                       [&](const ScreenPlacement &part) { return part.image.contains(imagePixel); });
}

QRect FrozenScreenOverlay::partRect(std::size_t part) const
{
    // A window over one screen: its own size, which a compositor may make
    // other than Qt's screen (GNOME's physical layout at scale 2 does).
    if (screens.size() == 1)
        return rect();
    return screens[part].logical.translated(-Covered(screens).topLeft());
}

std::size_t FrozenScreenOverlay::partAt(QPointF local) const
{
    // A screen's far edge is the next one's first pixel.
    for (std::size_t part = 0; part < screens.size(); ++part) {
        const QRect screen = partRect(part);
        if (local.x() >= screen.left() && local.x() < screen.left() + screen.width() && local.y() >= screen.top()
            && local.y() < screen.top() + screen.height())
            return part;
    }
    return 0;
}

void FrozenScreenOverlay::cover()
{
    if (X11InsideWayland()) {
        setGeometry(Covered(screens));
        show();
        raise();
    } else {
        showFullScreen();
    }
}

void FrozenScreenOverlay::takeKeys()
{
    keysWanted = true;
    if (windowHandle()->isExposed())
        focusKeys();
}

void FrozenScreenOverlay::focusKeys()
{
    keysWanted = false;
    activateWindow();
    setFocus();
    // Without a window manager (and inside a Wayland compositor, which
    // gives this window no focus of its own) nothing else hands it the keys.
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        grabKeyboard();
}

void FrozenScreenOverlay::paintEvent(QPaintEvent *)
{
    // The screen's part of the image, one image pixel to one device pixel
    // where the scales agree.
    QPainter painter(this);
    for (std::size_t part = 0; part < screens.size(); ++part)
        painter.drawImage(partRect(part), pictures[part]);
    if (!pickerPicture.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform,
                              pickerRect.size() != pickerPicture.deviceIndependentSize());
        painter.drawPixmap(pickerRect, pickerPicture);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(pickerRect.adjusted(0, 0, -1, -1));
    }
}

void FrozenScreenOverlay::showPicker(const QPixmap &picker)
{
    const QRect before = pickerRect;
    pickerPicture = picker;
    pickerRect = picker.isNull() ? QRect() : pickerPlace(picker.deviceIndependentSize().toSize());
    update(before | pickerRect);
}

// In the first corner, in this order, that leaves the pointer free, at
// its own size where the screen has room; on a screen too small for that,
// smaller, down to a quarter of the screen, which one corner always leaves
// free.
QRect FrozenScreenOverlay::pickerPlace(QSize size) const
{
    constexpr int Margin = 16;
    const QRect screen = partRect(partAt(pointer));
    const QPoint spot = pointer - screen.topLeft();
    const QSize room = (screen.size() - QSize(2 * Margin, 2 * Margin)).expandedTo(QSize(2, 2));
    const QSize quarter = (screen.size() / 2 - QSize(2 * Margin, 2 * Margin)).expandedTo(QSize(1, 1));
    for (const QSize limit : {room, quarter}) {
        const QSize shown = size.width() > limit.width() || size.height() > limit.height()
                                ? size.scaled(limit, Qt::KeepAspectRatio)
                                : size;
        const QRect corners[] = {
            QRect(QPoint(Margin, Margin), shown),
            QRect(QPoint(screen.width() - Margin - shown.width(), screen.height() - Margin - shown.height()), shown),
            QRect(QPoint(screen.width() - Margin - shown.width(), Margin), shown),
            QRect(QPoint(Margin, screen.height() - Margin - shown.height()), shown),
        };
        for (const QRect &corner : corners)
            if (!corner.adjusted(-Margin, -Margin, Margin, Margin).contains(spot))
                return corner.translated(screen.topLeft());
    }
    return QRect(screen.topLeft() + QPoint(Margin, Margin), size.scaled(quarter, Qt::KeepAspectRatio));
}

QPoint FrozenScreenOverlay::imagePixelAt(QPointF local) const
{
    const std::size_t part = partAt(local);
    const QRect shown = partRect(part);
    return ImagePixelAt(screens[part].image, shown.size(), local - shown.topLeft());
}

bool FrozenScreenOverlay::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != windowHandle())
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Expose:
        if (keysWanted && windowHandle()->isExposed())
            focusKeys();
        return false;
    // A pointer that jumps onto this screen from another comes with an
    // enter event and no move.
    case QEvent::Enter:
        pointerEvent(event->type(), static_cast<QEnterEvent *>(event)->position(), Qt::NoButton);
        return false;
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        pointerEvent(event->type(), mouse->position(), mouse->button());
        return true;
    }
    default: return QWidget::eventFilter(watched, event);
    }
}

void FrozenScreenOverlay::pointerEvent(QEvent::Type type, QPointF local, Qt::MouseButton button)
{
    pointer = local.toPoint();
    if (type != QEvent::MouseButtonPress)
        emit pointed(imagePixelAt(local));
    else if (button == Qt::LeftButton)
        emit clicked(imagePixelAt(local));
    else if (button == Qt::RightButton)
        emit cancelled();
}

void FrozenScreenOverlay::keyPressEvent(QKeyEvent *event)
{
    if (const std::optional<QPoint> step = ArrowNudge(*event)) {
        emit nudged(step->x(), step->y());
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: emit confirmed(); break;
    case Qt::Key_Escape: emit cancelled(); break;
    default: QWidget::keyPressEvent(event);
    }
}

} // namespace pigmentrix
