#pragma once

#include <QFileDialog>
#include <QString>
#include <QStringList>

#include <memory>

class QWidget;

namespace pigmentrix {

// The filters "Load Palette..." offers: the program's own palettes, GIMP
// palettes, Adobe swatch exchange files and all three at once.
QStringList LoadPaletteFilters();
// The filters "Save Palette as..." offers: the three palette formats and
// CSS custom properties.
QStringList SavePaletteFilters();
// The filter each dialog starts with until the user picks another.
QString InitialPaletteFilter(QFileDialog::AcceptMode mode);

// The dialog for loading (AcceptOpen) or saving a palette, opened in folder
// with filter chosen. Saving over an existing file asks first; loading does
// not insist that the chosen file exists, and reports a file it cannot open.
std::unique_ptr<QFileDialog> MakePaletteFileDialog(QWidget *parent, QFileDialog::AcceptMode mode, const QString &folder,
                                                   const QString &filter);

// The first extension of filter, without its dot; "plt" under "All palettes".
QString FilterExtension(const QString &filter);

// file as the user chose it under filter: a name typed without an extension
// gets the filter's first one, ".plt" under "All palettes".
QString WithFilterExtension(const QString &file, const QString &filter);

} // namespace pigmentrix
