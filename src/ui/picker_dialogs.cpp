#include "ui/picker_dialogs.h"

#include "ui/palette_file_dialog.h"
#include "ui/qt_color.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPixmapCache>

namespace pigmentrix {
namespace {

const QString Caption = QStringLiteral("Pigmentrix");

// Asks with the dialog; both palette dialogs remember the folder and the
// filter last chosen in them.
std::optional<QString> ChoosePaletteFile(QWidget *parent, QFileDialog::AcceptMode mode, QString &folder,
                                         QString &filter)
{
    if (filter.isEmpty())
        filter = InitialPaletteFilter(mode);
    QString chosen;
    {
        const std::unique_ptr<QFileDialog> dialog = MakePaletteFileDialog(parent, mode, folder, filter);
        if (dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty()) {
            filter = dialog->selectedNameFilter();
            chosen = WithFilterExtension(dialog->selectedFiles().constFirst(), filter);
        }
    }
    // A file dialog is given new icons by the style each time and leaves
    // their pictures in the program-wide pixmap cache, which would grow with
    // every dialog up to its limit of megabytes. What the window itself
    // shows is cheap to draw again.
    QPixmapCache::clear();
    if (chosen.isEmpty())
        return std::nullopt;
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
    return ChoosePaletteFile(parent, QFileDialog::AcceptOpen, paletteFolder, loadFilter);
}

std::optional<QString> QtPickerDialogs::chooseSavePaletteFile(QWidget *parent)
{
    return ChoosePaletteFile(parent, QFileDialog::AcceptSave, paletteFolder, saveFilter);
}

bool QtPickerDialogs::runDialog(QDialog &dialog)
{
    return dialog.exec() == QDialog::Accepted;
}

} // namespace pigmentrix
