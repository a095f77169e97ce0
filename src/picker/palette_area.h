#pragma once

#include "model/named_color_order.h"
#include "storage/palette_file.h"
#include "storage/palette_slots.h"
#include "storage/property_bindings.h"
#include "storage/swatch_palette.h"

#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <span>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QToolButton;
class QWidget;

namespace pigmentrix {

class ColorCodeBox;
class ColorPipeline;
class ErrorGuard;
class PaletteSlotPanel;
class PickerDialogs;

// The palette panel: sixteen slots that keep colours, their menu, the
// palette's name, the marker that shows it no longer matches its file, and
// loading and saving palette files.
class PaletteArea : public QObject {
    Q_OBJECT

public:
    using NamedEntries = std::function<std::span<const RColor>()>;

    PaletteArea(QWidget *window, ColorPipeline &pipeline, ColorCodeBox &codes, NamedEntries namedEntries,
                PickerDialogs &dialogs, const ErrorGuard &guard);

    void setVisible(bool visible);
    std::vector<PropertyBinding> storedProperties();

    QString paletteName() const { return mpalette; }
    bool paletteChanged() const { return mpalettechanged; }
    // The name a palette is saved under in the settings: none once it
    // differs from its file.
    QString storedPaletteName() const;
    void showPaletteName(const QString &name);
    // Hints off while the eyedropper runs, so none pops up over the area read.
    void setHintsShown(bool shown);
    // "Set as Text Color" is there only while the frame shows text.
    void setTextColorItemEnabled(bool enabled);

    // SetHint for mempan1 ... mempan16.
    void rebuildPaletteHints();

signals:
    void textColorChosen(TColor color);

private:
    Palette paletteColors() const;
    void mempan3MouseDown(PaletteSlotPanel *sender, Qt::MouseButton button);
    void mempan3DblClick();
    void mempan4MouseMove();
    void SaveColorHere1Click();
    void SetasBackground1Click();
    void SetasTextColor1Click();
    void Copy1Click();
    void SetHint(PaletteSlotPanel *sender);
    void btnLoadPaletteClick();
    void btnSavePaletteClick();

    void buildPanel(QWidget *window);
    void buildMenu(QWidget *window);
    void makeTabStop(PaletteSlotPanel *stop);
    void focusNeighbour(int slot, Qt::Key key);
    void storeColorInSlot(PaletteSlotPanel *slot);
    void setPaletteColors(const Palette &colors);
    // The slots' colours with the names they came with.
    SwatchPalette paletteSwatches() const;
    // The swatches into the slots from the first, as far as they go.
    void setSwatches(std::span<const Swatch> swatches);
    void loadSwatchFile(const QString &file);
    void loadPigmentrixFile(const QString &file);

    QWidget *window;
    ColorPipeline &pipeline;
    ColorCodeBox &codes;
    NamedEntries namedEntries;
    PickerDialogs &dialogs;
    const ErrorGuard &guard;
    QString mpalette;
    bool mpalettechanged = false;

    QWidget *pnlPalette = nullptr;
    QLabel *lblPalette = nullptr;
    QLabel *lblPalettename = nullptr;
    QLabel *lblpalettechanged = nullptr;
    QToolButton *JvSpeedButton1 = nullptr; // load
    QToolButton *JvSpeedButton2 = nullptr; // save
    // mempan[k - 1] is the slot mempan<k>.
    std::array<PaletteSlotPanel *, PaletteSlotCount> mempan{};
    QMenu *pupPalette = nullptr;
    QAction *SaveColorHere1 = nullptr;
    QAction *SetasBackground1 = nullptr;
    QAction *SetasTextColor1 = nullptr;
    QAction *Copy1 = nullptr;
    PaletteSlotPanel *pupPaletteSlot = nullptr; // the slot pupPalette was opened on
};

} // namespace pigmentrix
