#include "ui/palette_file_dialog.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace pigmentrix {
namespace {

const QString PigmentrixFilter = QStringLiteral("Pigmentrix Palette (*.plt)");
const QString GimpFilter = QStringLiteral("GIMP Palette (*.gpl)");
const QString SwatchExchangeFilter = QStringLiteral("Adobe Swatch Exchange (*.ase)");
const QString AllPalettesFilter = QStringLiteral("All palettes (*.plt *.gpl *.ase)");
const QString CssFilter = QStringLiteral("CSS Custom Properties (*.css)");

} // namespace

QStringList LoadPaletteFilters()
{
    return {PigmentrixFilter, GimpFilter, SwatchExchangeFilter, AllPalettesFilter};
}

QStringList SavePaletteFilters()
{
    return {PigmentrixFilter, GimpFilter, SwatchExchangeFilter, CssFilter};
}

// A palette to load may be of any format; one to save is the program's own
// unless the user picks another.
QString InitialPaletteFilter(QFileDialog::AcceptMode mode)
{
    return mode == QFileDialog::AcceptOpen ? AllPalettesFilter : PigmentrixFilter;
}

std::unique_ptr<QFileDialog> MakePaletteFileDialog(QWidget *parent, QFileDialog::AcceptMode mode, const QString &folder,
                                                   const QString &filter)
{
    const bool loading = mode == QFileDialog::AcceptOpen;
    auto dialog = std::make_unique<QFileDialog>(
        parent, loading ? QStringLiteral("Load Palette") : QStringLiteral("Save Palette as"),
        folder.isEmpty() ? QDir::homePath() : folder);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilters(loading ? LoadPaletteFilters() : SavePaletteFilters());
    if (!loading) {
        // A name typed without an extension is checked for an existing file
        // with the extension it will be saved under.
        QFileDialog *shown = dialog.get();
        QObject::connect(shown, &QFileDialog::filterSelected, shown,
                         [shown](const QString &chosen) { shown->setDefaultSuffix(FilterExtension(chosen)); });
        dialog->setDefaultSuffix(FilterExtension(filter));
    }
    dialog->selectNameFilter(filter);
    return dialog;
}

QString FilterExtension(const QString &filter)
{
    static const QRegularExpression FirstPattern(QStringLiteral("\\(\\*\\.([^ )]+)"));
    const QRegularExpressionMatch pattern = FirstPattern.match(filter);
    return pattern.hasMatch() ? pattern.captured(1) : QStringLiteral("plt");
}

QString WithFilterExtension(const QString &file, const QString &filter)
{
    if (!QFileInfo(file).suffix().isEmpty())
        return file;
    return file + QLatin1Char('.') + FilterExtension(filter);
}

} // namespace pigmentrix
