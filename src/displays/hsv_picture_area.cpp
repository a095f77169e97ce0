// The HSV picture at the top right: building it for the display mode, the
// "Display Mode" menu, and picking a colour on it with the mouse.
#include "displays/hsv_picture_area.h"

#include "displays/pixel_ratio_watch.h"
#include "ui/accessibility.h"
#include "ui/arrow_nudge.h"
#include "ui/control_factory.h"
#include "ui/error_guard.h"
#include "ui/image_view.h"
#include "ui/menu_items.h"
#include "ui/window_geometry.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>

#include <algorithm>
#include <cmath>

namespace pigmentrix {
namespace {

// Shows only where a layout makes the panel larger than its picture.
constexpr QRgb CirclePanelBackground = qRgb(0xCC, 0xCC, 0xCC);

} // namespace

HsvPictureArea::HsvPictureArea(QWidget *window, SliderSource sliders, const ErrorGuard &guard)
    : QObject(window)
    , sliders(std::move(sliders))
    , guard(guard)
{
    setObjectName(QStringLiteral("hsvPictureArea"));
    pnlCircle = MakePanel(window, "pnlCircle", ToQRect(design::CirclePanel));
    FillBackground(pnlCircle, QColor(CirclePanelBackground));

    imgColorWheel = new ImageView(pnlCircle);
    imgColorWheel->setObjectName(QStringLiteral("imgColorWheel"));
    imgColorWheel->setGeometry(0, 0, pnlCircle->width(), pnlCircle->height());

    // The keyboard picks too: the arrows move a picking point, Enter takes
    // the colour under it.
    imgColorWheel->setFocusPolicy(Qt::StrongFocus);
    SetAccessibleRole(imgColorWheel, QAccessible::Graphic);
    NameControl(imgColorWheel, QStringLiteral("HSV picture"));
    imgColorWheel->installEventFilter(this);
    describePicture();

    guard.connect(imgColorWheel, &ImageView::mousePressed, this,
                  [this](Qt::MouseButton button, QPoint pos) { imgColorWheelMouseDown(button, pos.x(), pos.y()); });
    guard.connect(imgColorWheel, &ImageView::mouseMoved, this,
                  [this](Qt::MouseButtons, QPoint pos) { imgColorWheelMouseMove(pos.x(), pos.y()); });
    guard.connect(imgColorWheel, &ImageView::mouseReleased, this, [this] { imgColorWheelMouseUp(); });
    new PixelRatioWatch(imgColorWheel, [this, &guard] { guard.run([this] { pictureRatioMayHaveChanged(); }); });
}

void HsvPictureArea::addMenu(QMenu *menu)
{
    QMenu *displayMode = AddSubmenu(menu, QStringLiteral("DisplayMode1"), QStringLiteral("Display Mode"));
    DisplayMode1 = displayMode->menuAction();
    const auto addMode = [this, displayMode](const char *name, const QString &caption, DisplayMode mode, bool checked) {
        QAction *item = AddGroupItem(displayMode, QString::fromLatin1(name), caption, static_cast<int>(mode), checked);
        guard.connect(item, &QAction::triggered, this, [this, item] { ColorWheel1Click(item); });
        return item;
    };
    ColorWheel1 = addMode("ColorWheel1", QStringLiteral("Color Wheel"), DisplayMode::ColorWheel, true);
    HSVRectangle1 = addMode("HSVRectangle1", QStringLiteral("HSV Rectangle"), DisplayMode::HSVRectangle, false);
    HueRange1 = addMode("HueRange1", QStringLiteral("SV Square (fixed Hue)"), DisplayMode::SVSquare, false);
}

void HsvPictureArea::setDisplayMode(DisplayMode mode)
{
    odisplaymode = mode;
    tickDisplayMode();
    describePicture();
}

void HsvPictureArea::tickDisplayMode()
{
    ColorWheel1->setChecked(odisplaymode == DisplayMode::ColorWheel);
    HueRange1->setChecked(odisplaymode == DisplayMode::SVSquare);
    HSVRectangle1->setChecked(odisplaymode == DisplayMode::HSVRectangle);
}

void HsvPictureArea::applyLayout(const QRect &panel, bool visible, QSize picture)
{
    pnlCircle->setGeometry(panel);
    pnlCircle->setVisible(visible);
    imgColorWheel->resize(picture);
    UpdateCircle();
}

void HsvPictureArea::valuesShown(int hue, int value)
{
    // Asked on every change: undo or redo can bring back the last colour
    // itself after a slider move, and the picture must still follow.
    if (PictureNeedsRebuild(odisplaymode, hue, value, cHue, cVal))
        UpdateCircle();
}

void HsvPictureArea::UpdateCircle()
{
    const HsvPosition now = sliders();
    imgColorWheel->setImage(
        HsvPicture(odisplaymode, imgColorWheel->size(), now.hue, now.value, imgColorWheel->devicePixelRatioF()));
    cVal = now.value;
    cHue = now.hue;
}

void HsvPictureArea::ColorWheel1Click(QAction *sender)
{
    for (QAction *item : {ColorWheel1, HSVRectangle1, HueRange1})
        item->setChecked(false);
    sender->setChecked(true);
    odisplaymode = static_cast<DisplayMode>(sender->data().toInt());
    describePicture();
    UpdateCircle();
}

void HsvPictureArea::describePicture()
{
    const QString mode = odisplaymode == DisplayMode::ColorWheel ? QStringLiteral("Color wheel")
                         : odisplaymode == DisplayMode::SVSquare ? QStringLiteral("SV square (fixed hue)")
                                                                 : QStringLiteral("HSV rectangle");
    imgColorWheel->setAccessibleDescription(
        mode + QStringLiteral(": the arrow keys move the picking point (Shift: ten pixels), Enter takes its color"));
}

bool HsvPictureArea::eventFilter(QObject *watched, QEvent *event)
{
    // A picture being destroyed is a plain widget by then, and its focus
    // still goes: nothing of it is left to mark.
    if (watched != imgColorWheel || !qobject_cast<ImageView *>(watched))
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn: imgColorWheel->setMarker(keyPoint()); break;
    case QEvent::FocusOut: imgColorWheel->setMarker(std::nullopt); break;
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (const std::optional<QPoint> nudge = ArrowNudge(*key)) {
            pickingPoint = keyPoint() + *nudge;
            pickingPoint = keyPoint();
            imgColorWheel->setMarker(pickingPoint);
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            guard.run([this] { pickAtKeyPoint(); });
            return true;
        }
        break;
    }
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

// The picking point stays on the picture, which a layout can shrink; it
// starts in the middle.
QPoint HsvPictureArea::keyPoint() const
{
    const QRect picture = imgColorWheel->rect();
    const QPoint point = pickingPoint.value_or(picture.center());
    return {std::clamp(point.x(), picture.left(), picture.right()),
            std::clamp(point.y(), picture.top(), picture.bottom())};
}

void HsvPictureArea::pickAtKeyPoint()
{
    const QPoint point = keyPoint();
    emit pickStarted();
    pickFromPicture(point.x(), point.y());
    emit pickFinished();
}

void HsvPictureArea::pictureRatioMayHaveChanged()
{
    if (imgColorWheel->image().devicePixelRatio() != imgColorWheel->devicePixelRatioF())
        UpdateCircle();
}

void HsvPictureArea::imgColorWheelMouseDown(Qt::MouseButton Button, int X, int Y)
{
    if (Button != Qt::LeftButton)
        return;
    emit pickStarted();
    mousedownflag = true;
    pickFromPicture(X, Y);
}

void HsvPictureArea::imgColorWheelMouseMove(int X, int Y)
{
    if (mousedownflag)
        pickFromPicture(X, Y);
}

void HsvPictureArea::imgColorWheelMouseUp()
{
    if (mousedownflag)
        emit pickFinished();
    mousedownflag = false;
}

void HsvPictureArea::pickFromPicture(int X, int Y)
{
    switch (odisplaymode) {
    case DisplayMode::ColorWheel: UpdateHueSaturationfromMouse(X, Y); break;
    case DisplayMode::SVSquare: UpdateSaturationValuefromMouse(X, Y); break;
    default: UpdateHSVfromMouse(X, Y); break;
    }
}

QPoint HsvPictureArea::pictureDevicePixel(int X, int Y) const
{
    // The exact position of the event that named this logical pixel: on a
    // scaled screen it tells which of the pixel's device pixels is meant.
    QPointF exact = imgColorWheel->lastPointerPosition();
    if (QPoint(static_cast<int>(std::floor(exact.x())), static_cast<int>(std::floor(exact.y()))) != QPoint(X, Y))
        exact = QPointF(X, Y);
    const qreal ratio = imgColorWheel->image().devicePixelRatio();
    return {static_cast<int>(std::floor(exact.x() * ratio)), static_cast<int>(std::floor(exact.y() * ratio))};
}

void HsvPictureArea::emitPick(DisplayMode chart, int X, int Y)
{
    const QImage &picture = imgColorWheel->image();
    if (picture.isNull())
        return;
    if (const std::optional<PicturePick> pick =
            PickFromPicture(chart, pictureDevicePixel(X, Y), picture.size(), sliders()))
        emit picked(*pick);
}

void HsvPictureArea::UpdateHueSaturationfromMouse(int X, int Y)
{
    emitPick(DisplayMode::ColorWheel, X, Y);
}

void HsvPictureArea::UpdateSaturationValuefromMouse(int X, int Y)
{
    emitPick(DisplayMode::SVSquare, X, Y);
}

void HsvPictureArea::UpdateHSVfromMouse(int X, int Y)
{
    emitPick(DisplayMode::HSVRectangle, X, Y);
}

} // namespace pigmentrix
