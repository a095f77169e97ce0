// Saving the palette to a palette file and loading it from one.
#include "picker/palette_area.h"

#include "ui/error_guard.h"
#include "ui/picker_dialogs.h"

#include <QFile>
#include <QFileInfo>

namespace pigmentrix {
namespace {

std::filesystem::path LocalPath(const QString &file)
{
    return std::filesystem::path(QFile::encodeName(file).toStdString());
}

} // namespace

// A file that fails to load changes nothing: every line is read before any
// slot takes a colour.
void PaletteArea::btnLoadPaletteClick()
{
    const std::optional<QString> file = dialogs.chooseOpenPaletteFile(window);
    if (!file)
        return;
    const PaletteLoadResult loaded = LoadPaletteFile(LocalPath(*file), paletteColors());
    if (!loaded.palette) {
        guard.report(QString::fromStdString(loaded.error));
        return;
    }
    setPaletteColors(*loaded.palette);
    rebuildPaletteHints();
    showPaletteName(QFileInfo(*file).fileName());
}

void PaletteArea::btnSavePaletteClick()
{
    const std::optional<QString> file = dialogs.chooseSavePaletteFile(window);
    if (!file)
        return;
    if (const std::optional<std::string> error = SavePaletteFile(LocalPath(*file), paletteColors())) {
        guard.report(QString::fromStdString(*error));
        return;
    }
    showPaletteName(QFileInfo(*file).fileName());
}

} // namespace pigmentrix
