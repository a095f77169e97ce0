#pragma once

#include <QSize>
#include <QString>

class QDialog;
class QFont;
class QWidget;

namespace pigmentrix {

// A fixed-size dialog with a title and a close box only.
void MakeFixedDialog(QDialog *dialog, const QString &caption, QSize client);

// Moves window to the centre of the screen it is on.
void CentreOnScreen(QWidget *window);

// A font by family name and height in pixels.
QFont PixelFont(const QString &family, int pixels, bool bold = false);

} // namespace pigmentrix
