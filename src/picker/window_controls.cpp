// Creates the window's panels and controls at their design geometry (pixels
// at 96 pixels per inch, which Qt treats as logical pixels).
#include "picker/color_pick_window.h"

#include "displays/qt_color.h"
#include "displays/tracker.h"
#include "model/color_codes.h"
#include "model/conversions.h"
#include "picker/color_frame_panel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace pigmentrix {
namespace {

constexpr QRgb WindowBackground = qRgb(0x67, 0x67, 0x67);
// System colour number of the scroll-bar colour that the panels are filled with.
constexpr TColor clScrollBar = static_cast<TColor>(0xFF000000);

void Fill(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QWidget *MakePanel(QWidget *parent, const char *name, const QRect &geometry, const QColor &color)
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(geometry);
    Fill(panel, color);
    return panel;
}

QLabel *MakeLabel(QWidget *parent, const char *name, const QString &caption, QPoint at)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(at);
    label->adjustSize();
    return label;
}

QLineEdit *MakeChannelBox(QWidget *parent, const char *name, const QString &hint, const QString &text,
                          const QRect &geometry)
{
    auto *box = new QLineEdit(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(hint);
    box->setAlignment(Qt::AlignCenter);
    box->setMaxLength(3);
    box->setGeometry(geometry);
    box->setTextMargins(0, 0, 0, 0);
    return box;
}

TJvTracker *MakeSlider(QWidget *parent, const char *name, int maximum, int value, const QRect &geometry)
{
    auto *slider = new TJvTracker(parent);
    slider->setObjectName(QString::fromLatin1(name));
    slider->setMaximum(maximum);
    slider->setValue(value);
    slider->setBackColor(clScrollBar);
    slider->setThumbColor(0x00808080);
    slider->setThumbWidth(10);
    slider->setThumbHeight(16);
    slider->setTrackHeight(8);
    slider->setGeometry(geometry);
    return slider;
}

QPushButton *MakeButton(QWidget *parent, const char *name, const QString &caption, const QString &hint,
                        const QRect &geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    button->setGeometry(geometry);
    return button;
}

} // namespace

void TfrmColorPick::buildControls()
{
    setFixedSize(486, 282);
    Fill(this, QColor(WindowBackground));
    // The window is a fixed, compact design: its text needs a narrow face at
    // the design's 12-pixel height to fit beside the boxes.
    QFont windowFont = font();
    windowFont.setFamilies({QStringLiteral("Segoe UI"), QStringLiteral("DejaVu Sans Condensed"),
                            QStringLiteral("Liberation Sans"), QStringLiteral("Noto Sans")});
    windowFont.setPixelSize(12);
    setFont(windowFont);

    buildColorFrame();
    buildChannelPanels();
    buildHistoryButtons();
    buildColorCodePanel();
    buildEmptyPanels();
    buildColorWheel();
    buildNamedColorList();
}

void TfrmColorPick::buildColorFrame()
{
    pnlColor = new ColorFramePanel(this);
    pnlColor->setObjectName(QStringLiteral("pnlColor"));
    pnlColor->setGeometry(3, 3, 96, 106);
    pnlColor->Color = 14772545;
    QFont frameFont = font();
    frameFont.setPixelSize(13);
    frameFont.setBold(true);
    pnlColor->Font = frameFont;
    pnlColor->FontColor = ColorToRGB(static_cast<TColor>(0xFF000008)); // window text
}

void TfrmColorPick::buildChannelPanels()
{
    const QColor panelColor = ToQColor(clScrollBar);
    pnlRGB = MakePanel(this, "pnlRGB", QRect(101, 3, 208, 106), panelColor);
    lblRed = MakeLabel(pnlRGB, "lblRed", QStringLiteral("Red"), QPoint(3, 10));
    lblGreen = MakeLabel(pnlRGB, "lblGreen", QStringLiteral("Green"), QPoint(3, 35));
    lblBlue = MakeLabel(pnlRGB, "lblBlue", QStringLiteral("Blue"), QPoint(3, 60));
    lblAlpha = MakeLabel(pnlRGB, "lblAlpha", QStringLiteral("Alpha"), QPoint(3, 85));
    edtRed = MakeChannelBox(pnlRGB, "edtRed", QStringLiteral("Red Value"), QStringLiteral("0"), QRect(36, 8, 31, 19));
    edtGreen = MakeChannelBox(pnlRGB, "edtGreen", QStringLiteral("Green Value"), QStringLiteral("0"),
                              QRect(36, 33, 31, 19));
    edtBlue = MakeChannelBox(pnlRGB, "edtBlue", QStringLiteral("Blue Value"), QStringLiteral("0"),
                             QRect(36, 58, 31, 19));
    edtAlpha = MakeChannelBox(pnlRGB, "edtAlpha", QStringLiteral("Alpha Value (Transparency)"),
                              QStringLiteral("255"), QRect(36, 83, 31, 19));
    scrollbarred = MakeSlider(pnlRGB, "scrollbarred", 255, 0, QRect(71, 8, 136, 21));
    scrollbarGreen = MakeSlider(pnlRGB, "scrollbarGreen", 255, 0, QRect(71, 32, 136, 21));
    scrollbarBlue = MakeSlider(pnlRGB, "scrollbarBlue", 255, 0, QRect(71, 57, 136, 21));
    scrollbarBrightness = MakeSlider(pnlRGB, "scrollbarBrightness", 255, 40, QRect(71, 81, 133, 21));
    scrollbarAlpha = MakeSlider(pnlRGB, "scrollbarAlpha", 255, 255, QRect(71, 81, 136, 21));

    pnlHSV = MakePanel(this, "pnlHSV", QRect(101, 111, 208, 81), panelColor);
    lblHue = MakeLabel(pnlHSV, "lblHue", QStringLiteral("Hue"), QPoint(4, 10));
    lblSaturation = MakeLabel(pnlHSV, "lblSaturation", QStringLiteral("Satur."), QPoint(3, 35));
    lblValue = MakeLabel(pnlHSV, "lblValue", QStringLiteral("Value"), QPoint(3, 60));
    edtHue = MakeChannelBox(pnlHSV, "edtHue", QStringLiteral("Hue Value"), QStringLiteral("0"), QRect(36, 8, 29, 19));
    edtSaturation = MakeChannelBox(pnlHSV, "edtSaturation", QStringLiteral("Saturation Value"),
                                   QStringLiteral("0"), QRect(36, 33, 29, 19));
    edtValue = MakeChannelBox(pnlHSV, "edtValue", QStringLiteral("Value"), QStringLiteral("0"),
                              QRect(36, 58, 29, 19));
    scrollbarHue = MakeSlider(pnlHSV, "scrollbarHue", 360, 0, QRect(71, 7, 136, 21));
    scrollbarSaturation = MakeSlider(pnlHSV, "scrollbarSaturation", 255, 0, QRect(71, 32, 136, 21));
    scrollbarValue = MakeSlider(pnlHSV, "scrollbarValue", 255, 0, QRect(71, 57, 136, 21));

    QWidget::setTabOrder(edtRed, edtGreen);
    QWidget::setTabOrder(edtGreen, edtBlue);
    QWidget::setTabOrder(edtBlue, edtAlpha);
    QWidget::setTabOrder(edtAlpha, scrollbarred);
    QWidget::setTabOrder(scrollbarred, scrollbarGreen);
    QWidget::setTabOrder(scrollbarGreen, scrollbarBlue);
    QWidget::setTabOrder(scrollbarBlue, scrollbarBrightness);
    QWidget::setTabOrder(scrollbarBrightness, scrollbarAlpha);
    QWidget::setTabOrder(edtHue, edtSaturation);
    QWidget::setTabOrder(edtSaturation, edtValue);
    QWidget::setTabOrder(edtValue, scrollbarHue);
    QWidget::setTabOrder(scrollbarHue, scrollbarSaturation);
    QWidget::setTabOrder(scrollbarSaturation, scrollbarValue);
}

void TfrmColorPick::buildHistoryButtons()
{
    pnlButtons = MakePanel(this, "pnlButtons", QRect(311, 3, 65, 106), ToQColor(clScrollBar));
    btnInvert = MakeButton(pnlButtons, "btnInvert", QStringLiteral("Invert"), QStringLiteral("Invert Color"),
                           QRect(4, 4, 57, 23));
    btnRandom = MakeButton(pnlButtons, "btnRandom", QStringLiteral("Random"), QStringLiteral("Pick Random Color"),
                           QRect(4, 29, 57, 23));
    btnDialog = MakeButton(pnlButtons, "btnDialog", QStringLiteral("Dialog"), QStringLiteral("Show Color Dialog"),
                           QRect(4, 54, 57, 23));

    const auto makeHistoryButton = [this](const char *name, const char *icon, const QString &hint, int left) {
        auto *button = new QToolButton(pnlButtons);
        button->setObjectName(QString::fromLatin1(name));
        button->setIcon(QIcon(QString::fromLatin1(icon)));
        button->setToolTip(hint);
        button->setAutoRaise(true);
        button->setGeometry(left, 79, 27, 23);
        button->setEnabled(false);
        return button;
    };
    btnUndo = makeHistoryButton("btnUndo", ":/icons/undo.svg", QStringLiteral("Undo Color Change"), 4);
    btnRedo = makeHistoryButton("btnRedo", ":/icons/redo.svg", QStringLiteral("Redo Color Change"), 34);
}

void TfrmColorPick::buildColorCodePanel()
{
    pnlColorCode = MakePanel(this, "pnlColorCode", QRect(3, 111, 96, 81), ToQColor(clScrollBar));
    cbxDisplay = new QComboBox(pnlColorCode);
    cbxDisplay->setObjectName(QStringLiteral("cbxDisplay"));
    cbxDisplay->setGeometry(4, 3, 88, 23);
    for (std::string_view name : NotationNames)
        cbxDisplay->addItem(QString::fromUtf8(name.data(), static_cast<int>(name.size())));
    cbxDisplay->setMaxVisibleItems(15);
    cbxDisplay->setCurrentIndex(-1);
    // The drop-down is wider than the box so the longer names fit.
    cbxDisplay->view()->setMinimumWidth(qRound(cbxDisplay->width() * 1.4));

    edtColor = new QLineEdit(pnlColorCode);
    edtColor->setObjectName(QStringLiteral("edtColor"));
    edtColor->setGeometry(4, 29, 88, 23);
    btnCopy = MakeButton(pnlColorCode, "btnCopy", QStringLiteral("Copy"), QStringLiteral("Copy Color String to Clipboard"),
                         QRect(4, 55, 42, 23));
    btnSet = MakeButton(pnlColorCode, "btnSet", QStringLiteral("Set"), QStringLiteral("Set Color to Color String"),
                        QRect(49, 55, 42, 23));
    QWidget::setTabOrder(cbxDisplay, edtColor);
    QWidget::setTabOrder(edtColor, btnCopy);
    QWidget::setTabOrder(btnCopy, btnSet);
}

void TfrmColorPick::buildEmptyPanels()
{
    const QColor panelColor = ToQColor(clScrollBar);
    pnlCircle = MakePanel(this, "pnlCircle", QRect(378, 3, 105, 106), panelColor);
    pnlMagnifier = MakePanel(this, "pnlMagnifier", QRect(311, 111, 172, 168), panelColor);
    buildMagnifierPanel();
    pnlPalette = MakePanel(this, "pnlPalette", QRect(3, 194, 306, 53), panelColor);
    pnlHTMLColor = MakePanel(this, "pnlHTMLColor", QRect(3, 249, 252, 30), panelColor);
    pnlButtonsBottom = MakePanel(this, "pnlButtonsBottom", QRect(257, 249, 52, 30), panelColor);
    buildBottomButtons();
}

} // namespace pigmentrix
