#pragma once

#include "model/color.h"
#include "storage/property_bindings.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QWidget;

namespace pigmentrix {

class ColorFramePanel;
class ErrorGuard;
class PickerDialogs;
class SettingsStore;

// The colour frame at the top left: the current colour (checkered where it is
// transparent) with the display text, its menu, and the text's font, words
// and colour.
class ColorFrameArea : public QObject {
    Q_OBJECT

public:
    ColorFrameArea(QWidget *window, const SettingsStore &store, PickerDialogs &dialogs, const ErrorGuard &guard);

    // "Text Display" with its items, appended to the main menu.
    void addTextDisplayMenu(QMenu *menu);
    // pnlColor_Color belongs to the pipeline, which passes its row in.
    std::vector<PropertyBinding> storedProperties();

    bool useText() const;
    // The frame's own item and "Set as Text Color" follow the main menu's tick.
    void syncTextItems();
    // Draws color at alpha; alphaMode shows the checkerboard.
    void UpdatePanel(TColor color, int alpha, bool alphaMode);
    // Draws the last colour again, after the text or its looks changed.
    void redrawFrame();
    void setTextColor(TColor color);
    void invertTextColor();

signals:
    // The text was switched on or off.
    void useTextChanged(bool useText);
    // Asks for color to become the current colour.
    void colorSwapped(TColor color);

private:
    void ChangeText1Click();
    void ChangeFont1Click();
    // The current colour becomes the text colour and the text colour the
    // current colour (the window makes it current through colourSwapped).
    void SwapColorandTextColor1Click();
    void setTextcolortoWhite1Click();
    void setTextcolortoBlack1Click();
    void setTextColortoContrastColor1Click();
    void setTextcolortotheinverseoftheBGcolor1Click();
    void UseTextClick(QAction *sender);

    void buildMenu(QWidget *window);
    // The WCAG 2 contrast of the current colour against the text colour.
    void showContrast();

    QWidget *window;
    const SettingsStore &store;
    PickerDialogs &dialogs;
    const ErrorGuard &guard;
    int alphaold = -1;
    int lastAlpha = 255;
    bool lastAlphaMode = true;

    ColorFramePanel *pnlColor = nullptr;
    QMenu *pupColorPanel = nullptr;
    QAction *UseText = nullptr;
    QAction *ChangeFont1 = nullptr;
    QAction *setTextcolortoWhite1 = nullptr;
    QAction *setTextcolortoBlack1 = nullptr;
    QAction *setTextColortoContrastColor1 = nullptr;
    QAction *setTextcolortotheinverseoftheBGcolor1 = nullptr;
    QAction *UseTextinColorFrame1 = nullptr;
    QAction *ChangeFont2 = nullptr;
    QAction *ChangeText1 = nullptr;
    QAction *SwapColorandTextColor1 = nullptr;
    QLabel *lblContrast = nullptr;
};

} // namespace pigmentrix
