#pragma once

#include "model/color.h"
#include "model/conversions.h"
#include "picker/change_source.h"
#include "storage/property_bindings.h"

#include <QObject>

#include <array>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QWidget;

namespace pigmentrix {

class ColorPipeline;
class ErrorGuard;
class TJvTracker;
struct LayoutGeometry;
struct ShownColor;

// The red, green, blue and alpha panel and the hue, saturation and value
// panel: boxes and sliders that edit the current colour, with the alpha mode
// that swaps brightness for alpha. A change by the user sends the numbers of
// the editor changed to the pipeline; the pipeline tells them what to show.
class ChannelEditors : public QObject {
    Q_OBJECT

public:
    ChannelEditors(QWidget *window, ColorPipeline &pipeline, const ErrorGuard &guard);

    // "Use Alpha Channels", appended where the main menu is being built.
    void addMenuItems(QMenu *menu);
    void setAlphaMode(bool isAlpha);
    bool alphaMode() const { return alphamode; }

    // The values the boxes and sliders hold.
    RGBValues rgbBoxes() const;
    RGBValues rgbSliders() const;
    int hueSlider() const;
    int saturationSlider() const;
    int valueSlider() const;

    // Writes every box and slider from shown, except those of the editor the
    // change came from, and the tracks where their colours went stale.
    void showValues(const ShownColor &shown);

    // A layout change: panels, the six channel sliders, and the rows'
    // vertical nudge.
    void applyLayout(const LayoutGeometry &geometry, int nudge);
    // The mouse wheel over target; false when target is none of the editors.
    bool stepByWheel(QWidget *target, bool up);
    // A layout was chosen: the layouts without an alpha editor need the
    // colour opaque, as an undo step of its own.
    void layoutChosen();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void scrollbarBrightnessChangedValue();
    HSVValues hsvBoxes() const;
    void setHsvSliders(std::optional<int> hue, std::optional<int> saturation, std::optional<int> value);
    // Whether a slider's track was drawn for other channel values than the
    // sliders now hold.
    bool trackBasesStale() const;
    void UpdateRGBRectangles();
    // Sender is the editor the user changed: its changes until the user
    // leaves it (or releases a slider) undo as one step.
    void CurrencyEdit13Change(QObject *Sender);
    void CurrencyEdit4Change(QObject *Sender);
    void edtRedExit(QLineEdit *box);
    void edtAlphaChange();
    void scrollbarredChangedValue(QObject *Sender);
    void scrollbarHueChangedValue(QObject *Sender);
    void scrollbarValueChangedValue(QObject *Sender);
    void scrollbarAlphaChangedValue();
    void ScrollBarBrightnessChange();
    void ScrollBarAlphaChange();
    void ChangeAlphaMode(bool isAlpha);
    void UseAlphaChannels1Click();

    void buildRgbPanel(QWidget *window);
    void buildHsvPanel(QWidget *window);
    void fitCaptions(bool alphaShown);
    void connectHandlers();
    void sendHsvSliders(const QObject *sender, std::optional<int> alpha = std::nullopt);
    void runSliderHandler(TJvTracker *slider);
    std::array<TJvTracker *, 8> sliders() const;
    std::array<QLineEdit *, 7> boxes() const;
    bool isChannelBox(const QObject *object) const;

    ColorPipeline &pipeline;
    const ErrorGuard &guard;
    bool alphamode = true;

    QWidget *pnlRGB = nullptr;
    QWidget *pnlHSV = nullptr;
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
    QAction *UseAlphaChannels1 = nullptr;
};

} // namespace pigmentrix
