// Saving the palette to a palette file and loading it from one: the
// program's own sixteen-line files, GIMP palettes and Adobe swatch exchange
// files, and CSS custom properties to save to.
#include "picker/palette_area.h"

#include "storage/palette_formats.h"
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

// Any name without one of the other formats' extensions is read and written
// as the program's own palette, as it always was.
PaletteFormat FormatOf(const QString &file)
{
    return PaletteFormatOfName(LocalPath(file)).value_or(PaletteFormat::Pigmentrix);
}

} // namespace

void PaletteArea::btnLoadPaletteClick()
{
    const std::optional<QString> file = dialogs.chooseOpenPaletteFile(window);
    if (!file)
        return;
    // A CSS file is only written: the reader of the other formats says so.
    if (FormatOf(*file) == PaletteFormat::Pigmentrix)
        loadPigmentrixFile(*file);
    else
        loadSwatchFile(*file);
}

// A file that fails to load changes nothing: every line is read before any
// slot takes a colour. Colours past the sixteenth are counted for the user,
// as those of the other formats are.
void PaletteArea::loadPigmentrixFile(const QString &file)
{
    const PaletteLoadResult loaded = LoadPaletteFile(LocalPath(file), paletteColors());
    if (!loaded.palette) {
        guard.report(QString::fromStdString(loaded.error));
        return;
    }
    setPaletteColors(*loaded.palette);
    rebuildPaletteHints();
    const QString name = QFileInfo(file).fileName();
    showPaletteName(name);
    if (loaded.colorsLeftOut > 0)
        dialogs.showMessage(window, QString::fromStdString(LeftOutMessage(
                                        name.toStdString(), PaletteSlotCount + std::size_t(loaded.colorsLeftOut))));
}

// The file's colours fill the slots from the first; slots beyond its colours
// keep theirs, and colours beyond the slots are counted for the user.
void PaletteArea::loadSwatchFile(const QString &file)
{
    const SwatchReadResult loaded = LoadSwatchFile(LocalPath(file), FormatOf(file));
    if (!loaded.palette) {
        guard.report(QString::fromStdString(loaded.error));
        return;
    }
    const std::vector<Swatch> &swatches = loaded.palette->swatches;
    setSwatches(swatches);
    rebuildPaletteHints();
    const QString name = QFileInfo(file).fileName();
    showPaletteName(name);
    if (swatches.size() > mempan.size())
        dialogs.showMessage(window, QString::fromStdString(LeftOutMessage(name.toStdString(), swatches.size())));
}

void PaletteArea::btnSavePaletteClick()
{
    const std::optional<QString> file = dialogs.chooseSavePaletteFile(window);
    if (!file)
        return;
    const PaletteFormat format = FormatOf(*file);
    const std::optional<std::string> error = format == PaletteFormat::Pigmentrix
                                                 ? SavePaletteFile(LocalPath(*file), paletteColors())
                                                 : SaveSwatchFile(LocalPath(*file), format, paletteSwatches());
    if (error) {
        guard.report(QString::fromStdString(*error));
        return;
    }
    showPaletteName(QFileInfo(*file).fileName());
}

} // namespace pigmentrix
