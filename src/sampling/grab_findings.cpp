// The kinds of grab and what they met: "Freeze Screen While Picking", where
// the screen can be read live, and the messages a grab leaves, each said
// once a run.
#include "sampling/grab_controller.h"

#include "ui/current_desktop.h"
#include "ui/menu_items.h"
#include "ui/picker_dialogs.h"

#include <QAction>
#include <QMenu>

namespace pigmentrix {

namespace {

// What the user can do about a desktop that handed out no picture.
QString PictureRefusedHint()
{
    if (CurrentDesktopIs(QLatin1String("GNOME")))
        return QStringLiteral(" When GNOME asks whether programs may take screenshots, choose Allow.");
    if (CurrentDesktopIs(QLatin1String("KDE")))
        return QStringLiteral(" KDE Plasma keeps that picture in your Pictures folder first: make sure the folder "
                              "exists and can be written to.");
    return QString();
}

} // namespace

void GrabController::addFreezeItem(QMenu *menu)
{
    FreezeScreenWhilePicking1 = AddCheckItem(menu, QStringLiteral("FreezeScreenWhilePicking1"),
                                             QStringLiteral("Freeze Screen While Picking"), false);
    FreezeScreenWhilePicking1->setEnabled(sessions->freezeChoosable());
}

void GrabController::useSessions(std::unique_ptr<GrabSessions> kinds)
{
    sessions = std::move(kinds);
    if (FreezeScreenWhilePicking1)
        FreezeScreenWhilePicking1->setEnabled(sessions->freezeChoosable());
    for (QAction *item : {NativeScreenColors1, ConvertedScreenColors1}) {
        if (item)
            item->setEnabled(sessions->deviceColors());
    }
}

void GrabController::tellWhatTheGrabMet(const GrabFindings &findings)
{
    if (findings.portalSilent) {
        dialogs.showMessage(window, QStringLiteral("The desktop did not answer the request for a picture of the "
                                                   "screen, so no color was taken. If it asked whether programs "
                                                   "may take screenshots, choose Allow, then use the eyedropper "
                                                   "again."));
    } else if (findings.screenReadFailed && !toldScreenUnreadable) {
        toldScreenUnreadable = true;
        dialogs.showMessage(window,
                            QStringLiteral("Screen colors cannot be read in this session, so the eyedropper "
                                           "cannot take a color from the screen. The current color is unchanged."));
    } else if (findings.pictureRefused && !toldPictureRefused) {
        toldPictureRefused = true;
        dialogs.showMessage(window, QStringLiteral("The desktop did not hand over a picture of the screen, so its "
                                                   "own color picker took the color, and the magnifier cannot show "
                                                   "the area around the pointer.")
                                        + PictureRefusedHint());
    } else if (findings.onlyDesktopPicker && !toldOnlyDesktopPicker) {
        toldOnlyDesktopPicker = true;
        dialogs.showMessage(window, QStringLiteral("This desktop lets programs take colors from the screen only "
                                                   "through its own color picker, so the magnifier cannot show "
                                                   "the area around the pointer."));
    } else if (findings.profileUnreadable && !toldProfileUnreadable) {
        toldProfileUnreadable = true;
        dialogs.showMessage(window, QStringLiteral("The display's color profile cannot be read, so the colors are "
                                                   "taken as the display shows them, not converted to sRGB."));
    } else if (findings.pictureResampled && !toldPictureResampled) {
        toldPictureResampled = true;
        dialogs.showMessage(window, QStringLiteral("The desktop hands out its picture of the screen at the highest "
                                                   "scale of its monitors, so on a monitor at a lower scale the "
                                                   "colors taken may be blends of neighboring pixels rather than "
                                                   "the monitor's own."));
    }
}

} // namespace pigmentrix
