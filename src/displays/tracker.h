#pragma once

#include "displays/rgb_channel.h"
#include "displays/tracker_painter.h"
#include "model/color.h"

#include <QWidget>

#include <cstdint>

namespace pigmentrix {

// Horizontal channel slider whose track previews the colour the channel would
// give at each place. User actions (a left press on the thumb or track, each
// drag movement, each arrow key) emit changedValue, also when the value stays
// the same; writing Value from code never does. Out-of-range writes are
// ignored, not clamped. The keys: Left and Down step down, Right and Up step
// up, Page Up and Page Down move by PageStep, Home and End go to the ends.
class TJvTracker : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Minimum READ Minimum WRITE setMinimum)
    Q_PROPERTY(int Maximum READ Maximum WRITE setMaximum)
    Q_PROPERTY(int Value READ Value WRITE setValue)
    Q_PROPERTY(int Position READ Position WRITE setPosition)
    Q_PROPERTY(int Step READ Step WRITE setStep)
    Q_PROPERTY(bool TrackBorder READ TrackBorder WRITE setTrackBorder)
    Q_PROPERTY(int ThumbWidth READ ThumbWidth WRITE setThumbWidth)
    Q_PROPERTY(int ThumbHeight READ ThumbHeight WRITE setThumbHeight)
    Q_PROPERTY(int TrackHeight READ TrackHeight WRITE setTrackHeight)

public:
    // The platform's button-face colour, the slider's own default background.
    static constexpr TColor DefaultBackColor = static_cast<TColor>(0xFF00000F);
    // How far Page Up and Page Down move the value.
    static constexpr int PageStep = 16;

    explicit TJvTracker(QWidget *parent = nullptr);

    int Minimum() const { return m_minimum; }
    // Ignored when equal or not below Maximum; raises Value to it if below.
    void setMinimum(int v);
    int Maximum() const { return m_maximum; }
    // Ignored when equal or not above Minimum; lowers Value to it if above.
    void setMaximum(int v);
    int Value() const { return m_value; }
    // Ignored when equal or outside Minimum ... Maximum; otherwise snapped
    // down to a multiple of Step. Never emits changedValue.
    void setValue(int v);
    // A value the user chose other than with the mouse or a key (through
    // assistive technology): written as Value is, then reported.
    void chooseValue(int v);
    int Position() const { return Value(); }
    void setPosition(int v) { setValue(v); }
    int Step() const { return m_step; }
    // Steps below 1 are ignored: the value is snapped by dividing by it.
    void setStep(int v);

    TColor BackColor() const { return m_look.backColor; }
    void setBackColor(TColor c);
    bool TrackBorder() const { return m_look.trackBorder; }
    void setTrackBorder(bool on);
    TColor ThumbColor() const { return m_look.thumbColor; }
    void setThumbColor(TColor c);
    int ThumbWidth() const { return m_look.metrics.thumbWidth; }
    void setThumbWidth(int v);
    int ThumbHeight() const { return m_look.metrics.thumbHeight; }
    void setThumbHeight(int v);
    int TrackHeight() const { return m_look.metrics.trackHeight; }
    void setTrackHeight(int v);
    TRGBChannel Channel() const { return m_look.channel; }
    void setChannel(TRGBChannel c);

    // The thumb centre's x (FThumbPosition).
    int ThumbPosition() const { return m_thumbPosition; }
    // Everything the next paint draws from, base colour included.
    TrackerLook look() const;

    QSize sizeHint() const override { return {136, 21}; }

    // The current colour's components for the track preview, written after
    // every colour change; each write repaints the slider.
    std::uint8_t BaseR() const { return m_look.base.R; }
    std::uint8_t BaseG() const { return m_look.base.G; }
    std::uint8_t BaseB() const { return m_look.base.B; }
    std::uint16_t BaseH() const { return m_look.base.H; }
    std::uint8_t BaseS() const { return m_look.base.S; }
    std::uint8_t BaseV() const { return m_look.base.V; }
    void setBaseRGB(std::uint8_t r, std::uint8_t g, std::uint8_t b);
    void setBaseHSV(std::uint16_t h, std::uint8_t s, std::uint8_t v);

signals:
    void changedValue(int newValue);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    TrackerMetrics metrics() const;
    void placeThumbAtValue();
    // Tells assistive technology the value changed.
    void valueShown();
    void moveThumbTo(int x);

    int m_minimum = 0;
    int m_maximum = 100;
    int m_value = 0;
    int m_step = 1;
    int m_thumbPosition = 0;
    bool m_clickWasInRect = false; // FClickWasInRect: a drag is under way
    TrackerLook m_look;
};

} // namespace pigmentrix
