// The magnifier: its panel, the enlarged picture refreshed by each grab tick,
// the zoom and crosshair choices, and picking a colour from the picture.
#include "sampling/grab_controller.h"

#include "model/system_colors.h"
#include "sampling/grab_button.h"
#include "sampling/magnifier_frame.h"
#include "sampling/magnifier_picture.h"
#include "ui/accessibility.h"
#include "ui/control_factory.h"
#include "ui/image_view.h"
#include "ui/qt_color.h"
#include "ui/window_geometry.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QTimer>

#include <cmath>

namespace pigmentrix {
namespace {

constexpr int cl3DLight = 22;

QLabel *MakeCoordinateLabel(QWidget *parent, const char *name, const QRect &geometry, Qt::Alignment alignment,
                            const QString &caption = {})
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

ImageView *MakePictureView(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *view = new ImageView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setGeometry(geometry);
    return view;
}

} // namespace

void GrabController::buildPanel(QWidget *window)
{
    pnlMagnifier = MakePanel(window, "pnlMagnifier", ToQRect(design::MagnifierPanel));
    btnGrab = new GrabButton(pnlMagnifier);
    btnGrab->setObjectName(QStringLiteral("btnGrab"));
    btnGrab->setToolTip(QStringLiteral("Grab Color"));
    btnGrab->setGeometry(3, 3, 26, 26);
    btnGrab->setIconSize(QSize(22, 22));
    btnGrab->setAutoRaise(true);
    NameControl(btnGrab, QStringLiteral("Grab"));

    cbxZoom = new QComboBox(pnlMagnifier);
    cbxZoom->setObjectName(QStringLiteral("cbxZoom"));
    // Named before it has items: a screen reader keeps the name it first hears.
    NameControl(cbxZoom, QStringLiteral("Zoom"));
    cbxZoom->setGeometry(31, 5, 84, 22);
    for (int factor = 1; factor <= 20; ++factor)
        cbxZoom->addItem(QStringLiteral("Zoom x %1").arg(factor));
    cbxZoom->setMaxVisibleItems(20);
    cbxZoom->setCurrentIndex(3);
    FitClosedListItems(cbxZoom);

    lblX = MakeCoordinateLabel(pnlMagnifier, "lblX", QRect(119, 2, 14, 14), Qt::AlignLeft, QStringLiteral("X :"));
    lblY = MakeCoordinateLabel(pnlMagnifier, "lblY", QRect(119, 16, 14, 14), Qt::AlignLeft, QStringLiteral("Y :"));
    lblXPos = MakeCoordinateLabel(pnlMagnifier, "lblXPos", QRect(133, 2, 36, 14), Qt::AlignRight);
    lblYPos = MakeCoordinateLabel(pnlMagnifier, "lblYPos", QRect(133, 16, 36, 14), Qt::AlignRight);

    auto *area = new MagnifierFrame(pnlMagnifier);
    area->setObjectName(QStringLiteral("pnlMagnifierArea"));
    area->setGeometry(ToQRect(design::MagnifierArea));
    area->caption = QStringLiteral("drag grabber over\nany area to magnify");
    FillBackground(area, ToQColor(ClassicSystemColor(cl3DLight)));
    pnlMagnifierArea = area;

    const QRect inside(1, 1, 165, 132);
    Image1 = MakePictureView(pnlMagnifierArea, "Image1", inside);
    imgMagnifier = MakePictureView(pnlMagnifierArea, "imgMagnifier", inside);
    imgMagnifier->setCursor(Qt::CrossCursor);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(GrabTickInterval);
}

void GrabController::applyLayout(const QRect &panel, const QRect &pictureArea, bool detailsVisible)
{
    pnlMagnifier->setGeometry(panel);
    pnlMagnifierArea->setGeometry(pictureArea);
    for (QWidget *detail : {lblX, lblY, lblXPos, lblYPos})
        detail->setVisible(detailsVisible);
}

void GrabController::refreshMagnifier(QPoint pointer)
{
    const int zoom = cbxZoom->currentIndex() + 1;
    // Built at device pixels, so that zoom 1 shows each screen pixel on one
    // pixel of a scaled screen and the crosshair is one pixel thin.
    const qreal ratio = imgMagnifier->devicePixelRatioF();
    const QSize pixels(qRound(imgMagnifier->width() * ratio), qRound(imgMagnifier->height() * ratio));
    // A picture too small for the zoom keeps what it shows.
    const std::optional<MagnifierLayout> layout = MagnifierLayoutFor(pixels, zoom);
    if (!layout)
        return;
    const std::optional<QImage> block = activeSampler().copyArea(MagnifierBlock(*layout, pointer));
    if (!block) {
        met.screenReadFailed = true;
        return;
    }
    Image1->setImage(block->convertToFormat(QImage::Format_RGB32));
    // The rectangle frames the screen pixels the colour is taken from.
    const int sampleSize = averaging == Averaging::Mean5x5 ? 5 : averaging == Averaging::Mean3x3 ? 3 : 1;
    QImage picture = BuildMagnifierPicture(*block, *layout, crosshairShape, sampleSize);
    picture.setDevicePixelRatio(ratio);
    imgMagnifier->setImage(picture);
    imgMagnifier->repaint();
}

void GrabController::Zoom1X1Click(QAction *sender)
{
    cbxZoom->setCurrentIndex(sender->data().toInt() - 1);
}

void GrabController::Cross1Click(QAction *sender)
{
    for (QAction *item : {None1, Cross1, Rectangle1})
        item->setChecked(false);
    sender->setChecked(true);
    crosshairShape = static_cast<Crosshair>(sender->data().toInt());
}

void GrabController::ClearZoomWindow1Click()
{
    QImage picture = imgMagnifier->image();
    if (!picture.isNull()) {
        QPainter painter(&picture);
        // Cleared to the frame's own colour, as before any grab.
        painter.fillRect(QRect(QPoint(0, 0), imgMagnifier->size()),
                         pnlMagnifierArea->palette().color(QPalette::Window));
        painter.end();
        imgMagnifier->setImage(picture);
    }
    lblXPos->clear();
    lblYPos->clear();
    imgMagnifier->repaint();
}

void GrabController::imgMagnifierMouseDown(Qt::MouseButton button, QPoint at)
{
    if (button != Qt::LeftButton)
        return;
    mousedownflag = true;
    emit magnifierPickStarted();
    pickFromMagnifier(at);
}

void GrabController::imgMagnifierMouseMove(QPoint at)
{
    if (mousedownflag)
        pickFromMagnifier(at);
}

void GrabController::imgMagnifierMouseUp()
{
    if (mousedownflag)
        emit magnifierPickFinished();
    mousedownflag = false;
}

// A pick reads the picture as shown, crosshair included. Outside the picture
// (dragged beyond it, or before the first grab) there is no colour to take.
void GrabController::pickFromMagnifier(QPoint at)
{
    // The exact position of the event that named this logical pixel: on a
    // scaled screen it tells which of the pixel's device pixels is meant.
    QPointF exact = imgMagnifier->lastPointerPosition();
    if (QPoint(static_cast<int>(std::floor(exact.x())), static_cast<int>(std::floor(exact.y()))) != at)
        exact = at;
    const std::optional<QPoint> pixel = imgMagnifier->imagePixelAt(exact);
    if (!pixel)
        return;
    const QRgb p = imgMagnifier->image().pixel(*pixel);
    emit magnifierPicked(ComposeColor(qRed(p), qGreen(p), qBlue(p)));
}

} // namespace pigmentrix
