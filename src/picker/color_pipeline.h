#pragma once

#include "model/color.h"
#include "picker/change_source.h"

#include <QObject>

#include <optional>

namespace pigmentrix {

class ChannelEditors;
struct PictureSliderWrites;

// What the colour frame needs to draw the colour in force.
struct FrameColor {
    TColor color = 0;
    int alpha = 255;
    bool alphaMode = true;
};

// The HSV values the sliders hold once the editors show a colour.
struct ShownColor {
    TColor color = 0;
    int hue = 0;
    int saturation = 0;
    int value = 0;
};

// The current colour and its path: every change of it ends here, the channel
// editors are rewritten with their change handlers held off, and the other
// areas are told to refresh.
class ColorPipeline : public QObject {
    Q_OBJECT

public:
    // Holds the editors' change handlers off while it lives. Its end
    // re-attaches them whatever held them before: a grab tick, which
    // rewrites the editors in the middle of a grab, leaves them attached.
    class [[nodiscard]] ChangeGuard {
    public:
        explicit ChangeGuard(ColorPipeline &pipeline);
        ~ChangeGuard();
        ChangeGuard(const ChangeGuard &) = delete;
        ChangeGuard &operator=(const ChangeGuard &) = delete;

    private:
        ColorPipeline &pipeline;
    };

    explicit ColorPipeline(QObject *parent);

    void attachEditors(ChannelEditors &editors);

    TColor color() const { return current; }
    // The colour before the change in progress.
    TColor lastColor() const { return lastcolor; }
    // Makes the present colour the one a change starts from.
    void markLastColor() { lastcolor = current; }
    // The alpha slider's value.
    int alpha() const;
    void setAlpha(int alpha);

    // Reads the new colour from the editor source names and shows it.
    void UpdateColor(ChangeSource source);
    // Rewrites every editor from the colour but source's own values.
    void updatevalues(ChangeSource source);
    // Makes c current: frame, then every editor (no undo entry).
    void applyColor(TColor c);
    // A colour taken from the screen: the change starts from the present one.
    void takeColor(TColor c);
    // A pixel picked in the magnifier.
    void pickFromMagnifier(TColor c);
    // The hue, saturation and value sliders moved by a pick on the HSV picture.
    void takePictureWrites(const PictureSliderWrites &writes);
    // Back to opaque, as a layout change asks.
    void resetAlpha();
    // Draws the frame again for the colour in force.
    void redrawFrame();
    // The stored colour, before the window is first shown.
    void restoreColor(TColor c) { current = c; }

    ChangeGuard disablechanges() { return ChangeGuard(*this); }
    // The same, from the start of a grab to its release.
    void holdChanges() { changesDisabled = true; }
    void enablechanges() { changesDisabled = false; }
    bool changesEnabled() const { return !changesDisabled; }

signals:
    // The frame must show this colour (before the editors are rewritten).
    void frameChanged(const FrameColor &frame);
    // The editors show this colour now; the other areas follow it.
    void valuesShown(const ShownColor &shown);

private:
    FrameColor frameColor() const;

    ChannelEditors *editors = nullptr;
    TColor current = 0x00E16941;
    TColor lastcolor = 0;
    // Mailbox for a colour picked in the magnifier.
    TColor edtColorTag = 0;
    bool changesDisabled = false;
};

} // namespace pigmentrix
