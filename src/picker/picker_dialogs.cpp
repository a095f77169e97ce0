#include "picker/picker_dialogs.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace pigmentrix {
namespace {

const QString Caption = QStringLiteral("Pigmentrix");

} // namespace

std::optional<TColor> QtPickerDialogs::chooseColor(QWidget *parent, TColor initial)
{
    const QColor chosen = QColorDialog::getColor(QColor(RedOf(initial), GreenOf(initial), BlueOf(initial)), parent);
    if (!chosen.isValid())
        return std::nullopt;
    return ComposeColor(chosen.red(), chosen.green(), chosen.blue());
}

std::optional<QFont> QtPickerDialogs::chooseFont(QWidget *parent, const QFont &initial)
{
    bool confirmed = false;
    const QFont chosen = QFontDialog::getFont(&confirmed, initial, parent);
    if (!confirmed)
        return std::nullopt;
    return chosen;
}

QString QtPickerDialogs::askText(QWidget *parent, const QString &title, const QString &prompt,
                                 const QString &preset)
{
    bool confirmed = false;
    const QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, preset, &confirmed);
    return confirmed ? text : preset;
}

void QtPickerDialogs::showMessage(QWidget *parent, const QString &text)
{
    QMessageBox::information(parent, Caption, text);
}

void QtPickerDialogs::showWarning(QWidget *parent, const QString &text)
{
    QMessageBox::warning(parent, Caption, text);
}

void QtPickerDialogs::showError(QWidget *parent, const QString &text)
{
    QMessageBox::critical(parent, Caption, text);
}

} // namespace pigmentrix
