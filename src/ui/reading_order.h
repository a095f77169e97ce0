#pragma once

#include <QList>

class QWidget;

namespace pigmentrix {

// The controls that take the focus, in the order Tab visits them: panel by
// panel in reading order (rows from the top, each row from the left, by the
// panels' places now), each panel's controls in the order the panel gave
// them. Hidden controls are listed too; Tab passes them by.
QList<QWidget *> ReadingOrder(QWidget *window);

// Makes Tab run through window's controls in ReadingOrder.
void ChainInReadingOrder(QWidget *window);

} // namespace pigmentrix
