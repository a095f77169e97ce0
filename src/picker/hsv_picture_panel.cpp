// The HSV picture at the top right: building it for the display mode, the
// "Display Mode" menu, and picking a colour on it with the mouse.
#include "picker/color_pick_window.h"

#include "picker/menu_items.h"

#include "displays/hsv_pictures.h"
#include "displays/image_view.h"
#include "displays/picture_mapping.h"
#include "displays/pixel_ratio_watch.h"
#include "displays/tracker.h"

#include <QAction>
#include <QMenu>

namespace pigmentrix {
namespace {

// Shows only where a layout makes the panel larger than its picture.
constexpr QRgb CirclePanelBackground = qRgb(0xCC, 0xCC, 0xCC);

} // namespace

void TfrmColorPick::buildColorWheel()
{
    QPalette palette = pnlCircle->palette();
    palette.setColor(QPalette::Window, QColor(CirclePanelBackground));
    pnlCircle->setPalette(palette);

    imgColorWheel = new ImageView(pnlCircle);
    imgColorWheel->setObjectName(QStringLiteral("imgColorWheel"));
    imgColorWheel->setGeometry(0, 0, pnlCircle->width(), pnlCircle->height());

    connect(imgColorWheel, &ImageView::mousePressed, this, [this](Qt::MouseButton button, QPoint pos) {
        runGuarded([this, button, pos] { imgColorWheelMouseDown(button, pos.x(), pos.y()); });
    });
    connect(imgColorWheel, &ImageView::mouseMoved, this, [this](Qt::MouseButtons, QPoint pos) {
        runGuarded([this, pos] { imgColorWheelMouseMove(pos.x(), pos.y()); });
    });
    connect(imgColorWheel, &ImageView::mouseReleased, this, [this](Qt::MouseButton, QPoint) {
        runGuarded([this] { imgColorWheelMouseUp(); });
    });
    new PixelRatioWatch(imgColorWheel, [this] { runGuarded([this] { pictureRatioMayHaveChanged(); }); });
}

void TfrmColorPick::buildDisplayModeMenu()
{
    QMenu *displayMode = AddSubmenu(pupMain, QStringLiteral("DisplayMode1"), QStringLiteral("Display Mode"));
    DisplayMode1 = displayMode->menuAction();
    const auto addMode = [this, displayMode](const char *name, const QString &caption, int tag, bool checked) {
        QAction *item = AddGroupItem(displayMode, QString::fromLatin1(name), caption, tag, checked);
        connect(item, &QAction::triggered, this, [this, item] { runGuarded([this, item] { ColorWheel1Click(item); }); });
        return item;
    };
    ColorWheel1 = addMode("ColorWheel1", QStringLiteral("Color Wheel"), DisplayModeColorWheel, true);
    HSVRectangle1 = addMode("HSVRectangle1", QStringLiteral("HSV Rectangle"), DisplayModeHSVRectangle, false);
    HueRange1 = addMode("HueRange1", QStringLiteral("SV Square (fixed Hue)"), DisplayModeSVSquare, false);
}

void TfrmColorPick::tickDisplayMode()
{
    ColorWheel1->setChecked(odisplaymode == DisplayModeColorWheel);
    HueRange1->setChecked(odisplaymode == DisplayModeSVSquare);
    HSVRectangle1->setChecked(odisplaymode == DisplayModeHSVRectangle);
}

void TfrmColorPick::UpdateCircle()
{
    const int V = scrollbarValue->Value();
    const int H = scrollbarHue->Value();
    imgColorWheel->setImage(
        HsvPicture(odisplaymode, imgColorWheel->size(), H, V, imgColorWheel->devicePixelRatioF()));
    cVal = V;
    cHue = H;
}

void TfrmColorPick::ColorWheel1Click(QAction *sender)
{
    for (QAction *item : {ColorWheel1, HSVRectangle1, HueRange1})
        item->setChecked(false);
    sender->setChecked(true);
    odisplaymode = sender->data().toInt();
    UpdateCircle();
}

void TfrmColorPick::pictureRatioMayHaveChanged()
{
    if (imgColorWheel->image().devicePixelRatio() != imgColorWheel->devicePixelRatioF())
        UpdateCircle();
}

void TfrmColorPick::imgColorWheelMouseDown(Qt::MouseButton Button, int X, int Y)
{
    if (Button != Qt::LeftButton)
        return;
    setnewcolor();
    mousedownflag = true;
    pickFromPicture(X, Y);
}

void TfrmColorPick::imgColorWheelMouseMove(int X, int Y)
{
    if (mousedownflag)
        pickFromPicture(X, Y);
}

void TfrmColorPick::imgColorWheelMouseUp()
{
    mousedownflag = false;
}

void TfrmColorPick::pickFromPicture(int X, int Y)
{
    switch (odisplaymode) {
    case DisplayModeColorWheel:
        UpdateHueSaturationfromMouse(X, Y);
        break;
    case DisplayModeSVSquare:
        UpdateSaturationValuefromMouse(X, Y);
        break;
    default:
        UpdateHSVfromMouse(X, Y);
        break;
    }
}

void TfrmColorPick::UpdateHueSaturationfromMouse(int X, int Y)
{
    applyPictureWrites(HueSaturationFromPoint(X, Y, imgColorWheel->height()));
}

void TfrmColorPick::UpdateSaturationValuefromMouse(int X, int Y)
{
    applyPictureWrites(SaturationValueFromPoint(X, Y, imgColorWheel->height()));
}

void TfrmColorPick::UpdateHSVfromMouse(int X, int Y)
{
    applyPictureWrites(HSVFromPoint(X, Y, imgColorWheel->height()));
}

void TfrmColorPick::applyPictureWrites(const PictureSliderWrites &writes)
{
    if (!writes.updateColorSource)
        return;
    if (writes.hue)
        scrollbarHue->setValue(*writes.hue);
    if (writes.saturation)
        scrollbarSaturation->setValue(*writes.saturation);
    if (writes.value)
        scrollbarValue->setValue(*writes.value);
    UpdateColor(*writes.updateColorSource);
}

} // namespace pigmentrix
