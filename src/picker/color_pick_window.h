#pragma once

#include "model/color.h"
#include "model/named_colors.h"
#include "picker/color_history.h"
#include "shell/autostart.h"
#include "shell/window_layout.h"
#include "update/link_opener.h"
#include "storage/palette_file.h"
#include "sampling/screen_sampler.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <span>
#include <vector>

class QAction;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSystemTrayIcon;
class QTimer;
class QToolButton;

namespace pigmentrix {

class TJvTracker;
class ColorFramePanel;
class ImageView;
struct PictureSliderWrites;
class VersionChecker;
struct VersionAnswer;
class PaletteSlotPanel;
class NamedColorBox;
class GrabButton;
class PickerDialogs;
class SettingsStore;
struct PickerSettings;
struct PropertyBinding;
struct StoredWindowPosition;

// The picker window: one current colour (pnlColor.Color) and every editor of
// it. The window owns the controls and the picker state; behaviour lives in
// the files named after each area (update pipeline, channel editors, history,
// code box, colour frame).
class TfrmColorPick : public QWidget {
    Q_OBJECT

public:
    // A window whose settings live only in memory for this run.
    TfrmColorPick(const PickerSettings &settings, PickerDialogs &dialogs, QWidget *parent = nullptr);
    // A window that reads its settings from store and writes them back when
    // it closes (or, without an accepted close, when it is destroyed).
    TfrmColorPick(SettingsStore &store, PickerDialogs &dialogs, QWidget *parent = nullptr);
    ~TfrmColorPick() override;

    // --- Picker state -----------------------------------------------------
    bool AllowClose = false;
    // "/allowclose" or "/notray": closing ends the program for the whole run.
    bool allowCloseOption = false;
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
    // Whether a slider's track was drawn for other channel values than the
    // sliders now hold.
    bool trackBasesStale() const;
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

    // --- Window and shell --------------------------------------------------------
    QToolButton *btnOptions2 = nullptr;
    QToolButton *btnClose = nullptr;
    QAction *AlwaysonTop1 = nullptr;
    QAction *ShowHideTitlebar1 = nullptr;
    QAction *Small1 = nullptr;
    QAction *Medium1 = nullptr;
    QAction *Large1 = nullptr;
    QAction *StayinSystemTray1 = nullptr;
    QAction *RunonStartup1 = nullptr;
    QAction *Exit1 = nullptr;
    // The notification-area icon; none with "/notray".
    std::unique_ptr<QSystemTrayIcon> JvTrayIcon1;
    bool showtitle = true;
    LayoutGeometry layoutGeometry;
    LayoutRecord layoutRecord;
    LayoutState layoutState;
    // Controls only the Large layout shows besides the six channel sliders.
    std::vector<QWidget *> layoutDetails;

    void ChangeLayout(int mLayout);
    void Small1Click(int layout);
    void HideTitlebar();
    void ShowTitlebar();
    void ShowHideTitlebar1Click();
    void SetStayOnTop(bool OnTop);
    void AlwaysonTop1Click();
    void btnOptionsClick();
    void btnCloseClick();
    void Exit1Click();
    void StayinSystemTray1Click();
    void RunonStartup1Click();
    void setTrayActive(bool active);
    void JvTrayIcon1Click();
    void HideApplication();
    void ShowApplication();
    // Whether a hidden window can be brought back from the notification area.
    bool trayUsable() const;
    // --- HSV picture -----------------------------------------------------------
    ImageView *imgColorWheel = nullptr;
    QAction *DisplayMode1 = nullptr;
    QAction *ColorWheel1 = nullptr;
    QAction *HSVRectangle1 = nullptr;
    QAction *HueRange1 = nullptr;
    void UpdateCircle();
    void ColorWheel1Click(QAction *sender);
    void imgColorWheelMouseDown(Qt::MouseButton Button, int X, int Y);
    void imgColorWheelMouseMove(int X, int Y);
    void imgColorWheelMouseUp();
    void UpdateHueSaturationfromMouse(int X, int Y);
    void UpdateSaturationValuefromMouse(int X, int Y);
    void UpdateHSVfromMouse(int X, int Y);

    // --- Shared by the picture and the magnifier ------------------------------
    // A left press in the picture or the magnifier is being dragged.
    bool mousedownflag = false;
    // --- Version check and About window ---------------------------------------
    QAction *CheckforNewVersiononStartup1 = nullptr;
    QAction *VisitDunmooreSoftwareWebsite1 = nullptr;
    QAction *mnuCheckUpdate = nullptr;
    QAction *ShowHelpfile1 = nullptr;
    QAction *AboutPigmentrix1 = nullptr;
    // Asks the maker's server in the background, one check at a time.
    VersionChecker *versionChecker = nullptr;
    // Opens web addresses, the mail link and the read-me file.
    LinkOpener *linkOpener = &DesktopLinks();
    // Settings kept in Pigmentrix.ini beside the program.
    bool portableEdition = false;
    // Starts a check; its result window or message appears when the answer
    // arrives. Silent: only an upgrade is shown, a failure not at all.
    void CheckNewVersion(bool Silent, bool Showform);
    void mnuCheckUpdateClick();
    void CheckforNewVersiononStartup1Click();
    void VisitDunmooreSoftwareWebsite1Click();
    void ShowHelpfile1Click();
    void AboutPigmentrix1Click();
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
    // --- Grab mode and magnifier ---------------------------------------------------
    int average = 0;
    int crosshair = 1;
    // True while a grab runs.
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
    ScreenSampler &screenReader();
    void setScreenSampler(std::unique_ptr<ScreenSampler> sampler);

    // --- Start-up -------------------------------------------------------------
    void FormShow();
    // Brings the window to the front for a second start of the program:
    // shown, restored, raised and active.
    void comeForward();

    // Shows a conversion error as the program's standard error report.
    void reportError(const QString &message);
    // Runs a handler; a conversion error inside it is reported and the
    // editors' change handlers are re-attached as they were, so the window
    // keeps responding.
    void runGuarded(const std::function<void()> &handler);

    // --- Palette slots and palette files ---------------------------------------
    QLabel *lblPalette = nullptr;
    QLabel *lblPalettename = nullptr;
    QLabel *lblpalettechanged = nullptr;
    QToolButton *JvSpeedButton1 = nullptr; // load
    QToolButton *JvSpeedButton2 = nullptr; // save
    // mempan[k - 1] is the slot the design calls mempan<k>.
    std::array<PaletteSlotPanel *, PaletteSlotCount> mempan{};
    QMenu *pupPalette = nullptr;
    QAction *SaveColorHere1 = nullptr;
    QAction *SetasBackground1 = nullptr;
    QAction *SetasTextColor1 = nullptr;
    QAction *Copy1 = nullptr;
    QString mpalette;
    bool mpalettechanged = false;

    void mempan3MouseDown(PaletteSlotPanel *sender, Qt::MouseButton button);
    void mempan3DblClick();
    void mempan4MouseMove();
    void SaveColorHere1Click();
    void SetasBackground1Click();
    void SetasTextColor1Click();
    void Copy1Click();
    void SetHint(PaletteSlotPanel *sender);
    // SetHint for mempan1 ... mempan16.
    void rebuildPaletteHints();
    void btnLoadPaletteClick();
    void btnSavePaletteClick();
    Palette paletteColors() const;

    // --- Settings store ----------------------------------------------------------
    // An accepted close: "FormVersion", the position and stored properties
    // (when the window was shown), then the named values, and the file is
    // written. Whatever accepts a close request calls this.
    void FormClose();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    // An accepted close: the settings have been written.
    void closing();

private:
    void buildBottomButtons();
    void buildWindowModeItems();
    void buildTrayItems();
    void buildColorCodeDisplayMenu();
    void buildTextDisplayMenu();
    void buildColorPanelMenu();
    void recordLayout();
    void applyStoredLayout(int layout);
    void applyWindowSize();
    void setFrameless(bool frameless);
    TfrmColorPick(SettingsStore *store, std::unique_ptr<SettingsStore> ownedStore, const PickerSettings &settings,
                  PickerDialogs &dialogs, QWidget *parent);
    void FormCreate(const PickerSettings &settings);
    void buildControls();
    void buildColorFrame();
    void buildChannelPanels();
    void buildHistoryButtons();
    void buildColorCodePanel();
    void buildEmptyPanels();
    void buildMenus();
    void buildUpdateCommands();
    void versionCheckAnswered(const VersionAnswer &answer);
    void connectEditors();
    void connectCommands();
    void applyColorParameter();
    void updateHistoryButtons();
    void FormMouseWheel(QWidget *target, int delta);
    bool isMenuShortcut(const QKeyEvent &key) const;
    std::array<TJvTracker *, 8> sliders() const;
    std::array<QLineEdit *, 7> channelBoxes() const;

    // HSV picture
    void buildColorWheel();
    void buildDisplayModeMenu();
    void tickDisplayMode();
    void pictureRatioMayHaveChanged();
    void pickFromPicture(int X, int Y);
    void applyPictureWrites(const PictureSliderWrites &writes);
    // Palette slots and palette files.
    void buildPalettePanel();
    void buildPaletteMenu();
    void storeColorInSlot(PaletteSlotPanel *slot);
    void showPaletteName(const QString &name);
    void setPaletteColors(const Palette &colors);
    PaletteSlotPanel *pupPaletteSlot = nullptr; // the slot pupPalette was opened on

    // Settings store.
    void restoreStoredSettings();
    void placeWindow(const StoredWindowPosition &stored);
    std::vector<PropertyBinding> storedPropertyBindings();
    void saveClosingSettings(bool acceptedClose);
    std::unique_ptr<SettingsStore> ownedSettingsStore;
    SettingsStore *settingsStore = nullptr;
    bool closingSettingsSaved = false;
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
    AutostartEntry autostart{XdgConfigHome()};
    bool captionShown = true;
    int changesDisabledDepth = 0;
    bool shownOnce = false;
    std::mt19937 random;

    // Grab mode and magnifier.
    void buildMagnifierPanel();
    void buildZoomMenu();
    void buildAveragingMenu();
    void buildAutoCopyItem();
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
