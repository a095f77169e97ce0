// Picking from the desktop without the grab button: a pick command or the
// pick shortcut asks, the grab area picks, the code box names the colour.
#include "picker/color_pick_window.h"

#include "model/color_codes.h"
#include "picker/color_code_box.h"
#include "picker/color_pipeline.h"
#include "picker/window_settings.h"
#include "sampling/grab_controller.h"
#include "shell/pick_shortcut.h"
#include "ui/error_guard.h"

namespace pigmentrix {

void TfrmColorPick::wirePicks()
{
    guard->connect(grab, &GrabController::pickEnded, this, [this](bool taken) {
        if (!taken) {
            emit pickEnded(std::nullopt);
            return;
        }
        // With no notation chosen the code box is empty; a command that
        // asked for the colour still gets it, as an HTML code.
        QString code = codes->getcolorstring(pipeline->color());
        if (code.isEmpty())
            code = QString::fromStdString(
                FormatColorCode(pipeline->color(), notation::HTMLHex, pipeline->alpha(), codes->upperCase()));
        emit pickEnded(code);
    });
    guard->connect(pickShortcut, &PickShortcut::activated, this, [this] { pickFromDesktop(); });
}

void TfrmColorPick::pickFromDesktop()
{
    // A picker waiting hidden since its start has not taken its stored
    // settings yet (they come just before the first showing): the pick
    // follows the averaging, freezing and notation the user chose.
    if (!settings->restored()) {
        settings->restore();
        grab->applyGrabOptions();
        const auto held = pipeline->disablechanges();
        pipeline->updatevalues(ChangeSource::Refresh);
    }
    // Brought out of the task bar, the window would stand over what the
    // user is about to pick.
    if (isVisible() && !isMinimized())
        comeForward();
    grab->startPick();
}

} // namespace pigmentrix
