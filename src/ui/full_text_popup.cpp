#include "ui/full_text_popup.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace pigmentrix {
namespace {

// The margin a line edit keeps between its frame and its text, on each side.
constexpr int LineEditTextMargin = 2;

} // namespace

FullTextPopup::FullTextPopup(QLineEdit *box, QWidget *window, const char *name)
    : QObject(box)
    , box(box)
    , window(window)
    , label(new QLabel(window))
{
    label->setObjectName(QString::fromLatin1(name));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setFrameShape(QFrame::Box);
    label->setMargin(2);
    label->setAutoFillBackground(true);
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
    label->setPalette(colours);
    label->hide();
    connect(box, &QLineEdit::textChanged, this, &FullTextPopup::refresh);
    qApp->installEventFilter(this);
}

bool FullTextPopup::textFits() const
{
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    const QMargins margins = box->textMargins();
    const int room = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box).width() - margins.left()
                     - margins.right() - 2 * LineEditTextMargin;
    return box->fontMetrics().horizontalAdvance(box->text()) <= room;
}

bool FullTextPopup::pointerOnCoveredControl() const
{
    if (!pointerOver || pointerOver == box || pointerOver == label || !window->isAncestorOf(pointerOver)
        || pointerOver->isAncestorOf(box))
        return false;
    const QRect area(pointerOver->mapTo(window, QPoint(0, 0)), pointerOver->size());
    return area.intersects(label->geometry());
}

void FullTextPopup::refresh()
{
    const bool wanted = box->isVisible() && (pointerOver == box || box->hasFocus()) && !textFits();
    if (!wanted) {
        label->hide();
        return;
    }
    label->setFont(box->font());
    label->setText(box->text());
    label->adjustSize();
    // Under the box, moved left as far as it takes to stay in the window.
    QPoint at = box->mapTo(window, QPoint(0, box->height()));
    at.setX(std::max(0, std::min(at.x(), window->width() - label->width())));
    label->move(at);
    label->raise();
    label->setVisible(!pointerOnCoveredControl());
}

bool FullTextPopup::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Enter:
        if (auto *widget = qobject_cast<QWidget *>(watched)) {
            pointerOver = widget;
            refresh();
        }
        break;
    case QEvent::Leave:
        if (watched == box) {
            pointerOver = nullptr;
            refresh();
        }
        break;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Resize:
    case QEvent::Move:
        if (watched == box)
            refresh();
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pigmentrix
