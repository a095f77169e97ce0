#pragma once

#include "model/color.h"
#include "model/named_colors.h"
#include "picker/color_history.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <span>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;

namespace pigmentrix {

class TJvTracker;
class ColorFramePanel;
class NamedColorBox;
class PickerDialogs;
struct PickerSettings;

// The picker window: one current colour (pnlColor.Color) and every editor of
// it. The window owns the controls and the picker state; behaviour lives in
// the files named after each area (update pipeline, channel editors, history,
// code box, colour frame).
class TfrmColorPick : public QWidget {
    Q_OBJECT

public:
    TfrmColorPick(const PickerSettings &settings, PickerDialogs &dialogs, QWidget *parent = nullptr);
    ~TfrmColorPick() override;

    // --- Picker state -----------------------------------------------------
    bool AllowClose = false;
    QString paramcolor;
    QString version;
    TColor lastcolor = 0;
    int cVal = -1;
    int cHue = -1;
    int odisplaymode = 1;
    bool alphamode = true;
    int alphaold = -1;
    bool UseUpperCase = true;
    bool oCheckNewVersion = true;
    int oLayout = 2;
    int rootx = 0;
    int rooty = 0;
    ColorHistory history;

    // The current colour.
    TColor currentColor() const;

    // --- Controls ---------------------------------------------------------
    ColorFramePanel *pnlColor = nullptr;
    QWidget *pnlRGB = nullptr;
    QWidget *pnlButtons = nullptr;
    QWidget *pnlCircle = nullptr;
    QWidget *pnlColorCode = nullptr;
    QWidget *pnlHSV = nullptr;
    QWidget *pnlMagnifier = nullptr;
    QWidget *pnlMagnifierArea = nullptr;
    QWidget *pnlPalette = nullptr;
    QWidget *pnlHTMLColor = nullptr;
    QWidget *pnlButtonsBottom = nullptr;

    QLabel *lblRed = nullptr;
    QLabel *lblGreen = nullptr;
    QLabel *lblBlue = nullptr;
    QLabel *lblAlpha = nullptr;
    QLabel *lblHue = nullptr;
    QLabel *lblSaturation = nullptr;
    QLabel *lblValue = nullptr;
    QLineEdit *edtRed = nullptr;
    QLineEdit *edtGreen = nullptr;
    QLineEdit *edtBlue = nullptr;
    QLineEdit *edtAlpha = nullptr;
    QLineEdit *edtHue = nullptr;
    QLineEdit *edtSaturation = nullptr;
    QLineEdit *edtValue = nullptr;
    TJvTracker *scrollbarred = nullptr;
    TJvTracker *scrollbarGreen = nullptr;
    TJvTracker *scrollbarBlue = nullptr;
    TJvTracker *scrollbarBrightness = nullptr;
    TJvTracker *scrollbarAlpha = nullptr;
    TJvTracker *scrollbarHue = nullptr;
    TJvTracker *scrollbarSaturation = nullptr;
    TJvTracker *scrollbarValue = nullptr;

    QPushButton *btnInvert = nullptr;
    QPushButton *btnRandom = nullptr;
    QPushButton *btnDialog = nullptr;
    QToolButton *btnUndo = nullptr;
    QToolButton *btnRedo = nullptr;

    QComboBox *cbxDisplay = nullptr;
    QLineEdit *edtColor = nullptr;
    QPushButton *btnCopy = nullptr;
    QPushButton *btnSet = nullptr;
    // Mailbox for a colour picked in the magnifier (change source 6).
    TColor edtColorTag = 0;

    // --- Menus --------------------------------------------------------------
    QMenu *pupMain = nullptr;
    QMenu *pupColorPanel = nullptr;
    QAction *UseAlphaChannels1 = nullptr;
    QAction *UpperCaseColorCodes1 = nullptr;
    std::array<QAction *, 15> colorDisplayItems{};
    QAction *UseText = nullptr;
    QAction *ChangeFont1 = nullptr;
    QAction *UndoColorChange1 = nullptr;
    QAction *RedoColorchange1 = nullptr;
    QAction *setTextcolortoWhite1 = nullptr;
    QAction *setTextcolortoBlack1 = nullptr;
    QAction *setTextColortoContrastColor1 = nullptr;
    QAction *setTextcolortotheinverseoftheBGcolor1 = nullptr;
    QAction *UseTextinColorFrame1 = nullptr;
    QAction *ChangeFont2 = nullptr;
    QAction *ChangeText1 = nullptr;

    // --- Update pipeline ----------------------------------------------------
    void UpdateColor(int ctype);
    void updatevalues(int ctype);
    void disablechanges();
    void enablechanges();
    bool changesEnabled() const { return changesDisabledDepth == 0; }
    // Makes c current: frame, then every editor (no undo entry).
    void applyColor(TColor c);
    void UpdateRGBRectangles();
    void UpdatePanel(int R, int G, int B, int Alpha);
    // UpdatePanel for the current colour and alpha.
    void redrawFrame();

    // --- Channel editors ------------------------------------------------------
    void CurrencyEdit13Change();
    void CurrencyEdit4Change();
    void edtRedExit(QLineEdit *box);
    void edtAlphaChange();
    void scrollbarredChangedValue();
    void scrollbarHueChangedValue();
    void scrollbarValueChangedValue();
    void scrollbarBrightnessChangedValue();
    void scrollbarAlphaChangedValue();
    void ScrollBarBrightnessChange();
    void ScrollBarAlphaChange();
    void ChangeAlphaMode(bool isAlpha);
    void UseAlphaChannels1Click();

    // --- History and quick actions -------------------------------------------
    void setnewcolor();
    void setoldcolor();
    void UndoColorChange1Click();
    void RedoColorchange1Click();
    void btnInvertClick();
    void btnRandomClick();
    void btnDialogClick();

    // --- Colour code ------------------------------------------------------------
    QString getcolorstring(TColor mcolor) const;
    TColor translatecolor(const QString &cColor);
    void btnSetClick();
    void btnCopyClick();
    void cbxDisplayChange();
    void HTMLHex1Click(int notation);
    void UpperCaseColorCodes1Click();

    // --- Colour frame commands ------------------------------------------------
    void setTextcolortoWhite1Click();
    void setTextcolortoBlack1Click();
    void setTextColortoContrastColor1Click();
    void setTextcolortotheinverseoftheBGcolor1Click();
    void UseTextClick(QAction *sender);
    void ChangeText1Click();
    void ChangeFont1Click();

    // --- Named-colour list ------------------------------------------------------
    QLabel *lblHTMLColor = nullptr;
    NamedColorBox *cbxColors = nullptr;
    QMenu *mnuClosestColor = nullptr;
    QAction *FindClosestColor1 = nullptr; // its Tag (data, 64-bit) holds the order in force
    QAction *SortbyName1 = nullptr;
    QAction *SortbySimilarity1 = nullptr;
    QAction *SortbyHue1 = nullptr;
    QAction *SortbySaturation1 = nullptr;
    QAction *SortbyValue1 = nullptr;
    QAction *SortbyRed1 = nullptr;
    QAction *SortbyGreen1 = nullptr;
    QAction *SortbyBlue1 = nullptr;
    QAction *SortbyBrightness1 = nullptr;
    QAction *Showonlyhtmlcolors = nullptr;
    QMenu *ColorList1 = nullptr; // "Color List" in pupMain, holding the mirrors
    bool bHTMLList = false;
    int colorcount = 0;
    std::int64_t sortorder = 0;
    // The entries in their present order.
    std::span<const RColor> namedColorEntries() const;
    std::int64_t sortOrderInForce() const;
    void setSortOrderInForce(std::int64_t orderCode);
    void SortbyHue1Click(QAction *sender);
    void ShowonlyhtmlcolorsClick();
    void Setsortmenuitems(std::int64_t SortValue);
    void FindClosestColor1Click();
    void cbxColorsChange();

    // --- Start-up -------------------------------------------------------------
    void FormShow();
    // Shows a conversion error as the program's standard error report.
    void reportError(const QString &message);
    // Runs a handler; a conversion error inside it is reported and the
    // editors' change handlers are re-attached as they were, so the window
    // keeps responding.
    void runGuarded(const std::function<void()> &handler);

protected:
    void showEvent(QShowEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate(const PickerSettings &settings);
    void buildControls();
    void buildColorFrame();
    void buildChannelPanels();
    void buildHistoryButtons();
    void buildColorCodePanel();
    void buildEmptyPanels();
    void buildMenus();
    void connectEditors();
    void connectCommands();
    void applyColorParameter();
    void updateHistoryButtons();
    void FormMouseWheel(QWidget *target, int delta);
    std::array<TJvTracker *, 8> sliders() const;
    std::array<QLineEdit *, 7> channelBoxes() const;

    // Named-colour list.
    void buildNamedColorList();
    void buildNamedColorMenu();
    void wireNamedColorMenuItem(QAction *source, QAction *item);
    void mirrorNamedColorMenu();
    std::array<QAction *, 9> sortItems() const;
    // Keeps the list's selection on an entry of the current colour.
    void updateNamedColorSelection();
    void stepNamedColorList(bool up);

    PickerDialogs &dialogs;
    int changesDisabledDepth = 0;
    bool shownOnce = false;
    std::mt19937 random;
};

} // namespace pigmentrix
