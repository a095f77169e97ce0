#pragma once

#include "displays/picture_mapping.h"
#include "model/color.h"
#include "picker/change_source.h"
#include "picker/color_history.h"

#include <QObject>

#include <array>
#include <optional>

namespace pigmentrix {

// What the colour frame needs to draw the colour in force.
struct FrameColor {
    TColor color = 0;
    int alpha = 255;
    bool alphaMode = true;
};

// The colour the editors show once a change has gone through, which the
// other areas then follow.
struct ShownColor {
    TColor color = 0;
    int alpha = 255;
    // The editor the change came from keeps its own text.
    ChangeSource source = ChangeSource::Refresh;
    // The colour differs from the one the change started from.
    bool changed = false;
    // Where a pick on the HSV picture puts the hue, saturation and value
    // sliders before the editors are rewritten.
    std::optional<HsvPosition> sliders;
};

// The numbers an editor holds when the user changes it: red, green and blue
// or hue, saturation and value, as source says, and the alpha editor's
// value when the change is the alpha's.
struct ChannelEdit {
    ChangeSource source = ChangeSource::RgbBoxes;
    std::array<int, 3> values{};
    std::optional<int> alpha;
};

// The current colour, its alpha and their undo history: every change of
// them ends here, the editors are told what to show (with their change
// handlers held off) and the other areas are told to refresh.
//
// A change is recorded for undo when it alters the colour or the alpha.
// Changes one source makes one after another are one undo step: a box from
// focus in to focus out, a slider from press to release or a run of keys, a
// grab from press to release, a pick on the picture or in the magnifier from
// press to release. A change of another source, or finishChange, ends the
// step; a change without a source (Set, a list choice, a palette slot,
// Invert ...) is a step of its own.
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

    TColor color() const { return current; }
    // The colour before the change in progress.
    TColor lastColor() const { return lastcolor; }
    int alpha() const { return currentAlpha; }
    // With alpha editing off the alpha is opaque, whatever a change asks.
    bool alphaMode() const { return alphamode; }
    void setAlphaMode(bool on);
    const ColorHistory &history() const { return entries; }

    // An editor's numbers; source is the control the user changed.
    void UpdateColor(const ChannelEdit &edit, const QObject *source);
    // Rewrites every editor from the colour but source's own values.
    void updatevalues(ChangeSource source);
    // Makes c (and alpha) current: frame, then every editor; no undo entry.
    void applyColor(TColor c);
    void applyColor(TColor c, int alpha);
    // The same as an undo step of its own; alpha only where given.
    void changeColor(TColor c, std::optional<int> alpha = std::nullopt);
    // A colour taken from the screen by source (the grab).
    void takeColor(TColor c, const QObject *source);
    // A pixel picked in the magnifier.
    void pickFromMagnifier(TColor c, const QObject *source);
    // A pick on the HSV picture.
    void pickFromPicture(const PicturePick &pick, const QObject *source);
    // source begins a change that ends with finishChange: a press.
    void startChange(const QObject *source);
    void finishChange(const QObject *source);
    // source gives its change up: the colour from before it comes back and
    // leaves the undo list, as if the change had never begun.
    void cancelChange(const QObject *source);
    void undo();
    void redo();
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
    // The editors must show this colour now, then the other areas follow it.
    void valuesShown(const ShownColor &shown);
    // The undo or the redo list changed.
    void historyChanged();

private:
    // A step in progress: the changes of its source undo together.
    struct OpenStep {
        const QObject *source = nullptr;
        bool recorded = false;
    };
    void change(TColor c, int alpha, ChangeSource shown, const QObject *source,
                const std::optional<HsvPosition> &sliders = std::nullopt);
    // Records the colour in force for undo, before the change to (c, alpha),
    // once per step and only when the change alters something.
    void setnewcolor(TColor c, int alpha, const QObject *source);
    void setoldcolor();
    void restore(const HistoryEntry &entry);
    void updatevalues(ChangeSource source, const std::optional<HsvPosition> &sliders);
    HistoryEntry now() const { return {current, currentAlpha}; }
    FrameColor frameColor() const { return {current, currentAlpha, alphamode}; }

    TColor current = 0x00E16941;
    TColor lastcolor = 0;
    int currentAlpha = 255;
    bool alphamode = true;
    ColorHistory entries;
    std::optional<OpenStep> step;
    bool changesDisabled = false;
};

} // namespace pigmentrix
