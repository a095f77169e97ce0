#pragma once

#include "model/color.h"
#include "picker/color_history.h"
#include "sampling/screen_sampler.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <random>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;
class QToolButton;

namespace pigmentrix {

class TJvTracker;
class ColorFramePanel;
class GrabButton;
class ImageView;
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

    // --- Grab mode and magnifier ---------------------------------------------------
    int average = 0;
    int crosshair = 1;
    bool mousedownflag = false;
    // True while a grab runs; stands in for the palette slots' hints being off.
    bool grabActive = false;
    QTimer *Timer1 = nullptr;
    GrabButton *btnGrab = nullptr;
    QComboBox *cbxZoom = nullptr;
    QLabel *lblX = nullptr;
    QLabel *lblY = nullptr;
    QLabel *lblXPos = nullptr;
    QLabel *lblYPos = nullptr;
    ImageView *Image1 = nullptr;
    ImageView *imgMagnifier = nullptr;
    QAction *Off1 = nullptr;
    QAction *N3x3Average1 = nullptr;
    QAction *N5x5Average1 = nullptr;
    QAction *AutoColorCopyafterGrab1 = nullptr;
    QAction *SetCoordinates1 = nullptr;
    QAction *ResetCoordinates2 = nullptr;
    QAction *ClearZoomWindow1 = nullptr;
    QAction *Cross1 = nullptr;
    QAction *Rectangle1 = nullptr;
    QAction *None1 = nullptr;
    std::array<QAction *, 20> zoomFactorItems{};
    void btnGrabMouseDown(Qt::MouseButton button);
    void btnGrabMouseUp(Qt::MouseButton button);
    void Timer1Timer();
    void Off1Click(QAction *sender);
    void SetCoordinates1Click();
    void ResetCoordinates2Click();
    void Zoom1X1Click(QAction *sender);
    void Cross1Click(QAction *sender);
    void ClearZoomWindow1Click();
    void imgMagnifierMouseDown(Qt::MouseButton button, QPoint at);
    void imgMagnifierMouseMove(QPoint at);
    void imgMagnifierMouseUp();
    // The screen the eyedropper reads; the session's own unless replaced.
    ScreenSampler &screen();
    void setScreenSampler(std::unique_ptr<ScreenSampler> sampler);

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

    PickerDialogs &dialogs;
    int changesDisabledDepth = 0;
    bool shownOnce = false;
    std::mt19937 random;

    // Grab mode and magnifier.
    void buildMagnifierPanel();
    void buildGrabMenus();
    void connectGrab();
    void applyGrabOptions();
    void refreshMagnifier(QPoint pointer);
    void pickFromMagnifier(QPoint at);
    std::unique_ptr<ScreenSampler> screenSampler;
    // A screen read failed during the present grab; said once per run.
    bool screenReadFailed = false;
    bool toldScreenUnreadable = false;
};

} // namespace pigmentrix
