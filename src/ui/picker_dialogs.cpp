#include "ui/picker_dialogs.h"

#include "ui/qt_color.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace pigmentrix {
namespace {

const QString Caption = QStringLiteral("Pigmentrix");
const QString PaletteFilter = QStringLiteral("Pigmentrix Palette (*.plt)");

// Neither dialog asks before replacing a file nor insists that the chosen
// file exists; loading reports a file it cannot open.
std::optional<QString> ChoosePaletteFile(QWidget *parent, QFileDialog::AcceptMode mode, const QString &title,
                                         QString &folder)
{
    QFileDialog dialog(parent, title, folder.isEmpty() ? QDir::homePath() : folder, PaletteFilter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("plt"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    folder = QFileInfo(chosen).absolutePath();
    return chosen;
}

} // namespace

std::optional<TColor> QtPickerDialogs::chooseColor(QWidget *parent, TColor initial)
{
    const QColor chosen = QColorDialog::getColor(ToQColor(initial), parent);
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

QString QtPickerDialogs::askText(QWidget *parent, const QString &title, const QString &prompt, const QString &preset)
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

std::optional<QString> QtPickerDialogs::chooseOpenPaletteFile(QWidget *parent)
{
    return ChoosePaletteFile(parent, QFileDialog::AcceptOpen, QStringLiteral("Load Palette"), paletteFolder);
}

std::optional<QString> QtPickerDialogs::chooseSavePaletteFile(QWidget *parent)
{
    return ChoosePaletteFile(parent, QFileDialog::AcceptSave, QStringLiteral("Save Palette as"), paletteFolder);
}

} // namespace pigmentrix
