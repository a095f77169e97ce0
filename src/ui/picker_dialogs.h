#pragma once

#include "model/color.h"

#include <QFont>
#include <QString>

#include <optional>

class QDialog;
class QWidget;

namespace pigmentrix {

// The modal dialogs the window opens. The window asks through this interface
// so that tests can answer without a person at the keyboard.
class PickerDialogs {
public:
    virtual ~PickerDialogs() = default;

    // A colour chosen in the colour dialog preset to initial; nullopt when
    // the user cancels.
    virtual std::optional<TColor> chooseColor(QWidget *parent, TColor initial) = 0;
    // A font (with its colour) chosen in the font dialog; nullopt on cancel.
    virtual std::optional<QFont> chooseFont(QWidget *parent, const QFont &initial) = 0;
    // A line of text; the preset again when the user cancels.
    virtual QString askText(QWidget *parent, const QString &title, const QString &prompt, const QString &preset) = 0;
    // A message box with an OK button, captioned "Pigmentrix".
    virtual void showMessage(QWidget *parent, const QString &text) = 0;
    // A warning message box with an OK button, captioned "Pigmentrix".
    virtual void showWarning(QWidget *parent, const QString &text) = 0;
    // The program's error report: stop icon, captioned "Pigmentrix".
    virtual void showError(QWidget *parent, const QString &text) = 0;
    // A palette file to load or to save to (".plt", ".gpl", ".ase", and ".css"
    // to save to; a name typed without an extension gets the chosen filter's);
    // nullopt when the user cancels.
    virtual std::optional<QString> chooseOpenPaletteFile(QWidget *parent) = 0;
    virtual std::optional<QString> chooseSavePaletteFile(QWidget *parent) = 0;
    // Runs one of the program's own dialogs modally; whether the user
    // accepted it.
    virtual bool runDialog(QDialog &dialog) = 0;
};

// The platform's own dialogs.
class QtPickerDialogs final : public PickerDialogs {
public:
    std::optional<TColor> chooseColor(QWidget *parent, TColor initial) override;
    std::optional<QFont> chooseFont(QWidget *parent, const QFont &initial) override;
    QString askText(QWidget *parent, const QString &title, const QString &prompt, const QString &preset) override;
    void showMessage(QWidget *parent, const QString &text) override;
    void showWarning(QWidget *parent, const QString &text) override;
    void showError(QWidget *parent, const QString &text) override;
    std::optional<QString> chooseOpenPaletteFile(QWidget *parent) override;
    std::optional<QString> chooseSavePaletteFile(QWidget *parent) override;
    bool runDialog(QDialog &dialog) override;

private:
    // Both palette dialogs open where the last palette file was chosen.
    QString paletteFolder;
    QString loadFilter;
    QString saveFilter;
};

} // namespace pigmentrix
