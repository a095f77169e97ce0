#include "ui/control_factory.h"

#include "model/color.h"
#include "model/integer_text.h"
#include "ui/qt_color.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>

namespace pigmentrix {
namespace {

// System colour number of the scroll-bar colour.
constexpr TColor clScrollBar = static_cast<TColor>(0xFF000000);

} // namespace

QColor PanelColor()
{
    return ToQColor(clScrollBar);
}

void FillBackground(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QWidget *MakePanel(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(geometry);
    FillBackground(panel, PanelColor());
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

QPushButton *MakeButton(QWidget *parent, const char *name, const QString &caption, const QString &hint,
                        const QRect &geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    button->setGeometry(geometry);
    return button;
}

void FitCaptions(std::initializer_list<Caption> captions)
{
    if (captions.size() == 0)
        return;
    const QWidget *owner = captions.begin()->label->parentWidget();
    QFont font = owner ? owner->font() : captions.begin()->label->font();
    constexpr int SmallestSize = 7;
    int size = font.pixelSize() > 0 ? font.pixelSize() : 12;
    for (; size > SmallestSize; --size) {
        font.setPixelSize(size);
        const QFontMetrics metrics(font);
        if (std::all_of(captions.begin(), captions.end(), [&](const Caption &caption) {
                return metrics.horizontalAdvance(caption.label->text()) <= caption.room;
            }))
            break;
    }
    font.setPixelSize(size);
    for (const Caption &caption : captions) {
        caption.label->setFont(font);
        caption.label->adjustSize();
    }
}

void FitClosedListItems(QComboBox *list)
{
    const QFont shown = list->font();
    list->view()->setFont(shown);
    QStyleOptionComboBox option;
    option.initFrom(list);
    // The label is drawn in the edit field less a pixel at each side.
    const int room =
        list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width() - 2;
    QFont font = shown;
    constexpr int SmallestSize = 7;
    int size = font.pixelSize() > 0 ? font.pixelSize() : 12;
    for (; size > SmallestSize; --size) {
        font.setPixelSize(size);
        const QFontMetrics metrics(font);
        bool fits = true;
        for (int i = 0; i < list->count() && fits; ++i)
            fits = metrics.horizontalAdvance(list->itemText(i)) <= room;
        if (fits)
            break;
    }
    font.setPixelSize(size);
    list->setFont(font);
}

void SetTabChain(std::initializer_list<QWidget *> controls)
{
    QWidget *previous = nullptr;
    for (QWidget *control : controls) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

void StepNumberBox(QLineEdit *box, bool up)
{
    const std::optional<int> n = TryStrToInt(box->text().toStdString());
    if (!n)
        return;
    if (up && *n <= 254)
        box->setText(QString::number(*n + 1));
    else if (!up && *n >= 1)
        box->setText(QString::number(*n - 1));
}

} // namespace pigmentrix
