#include "picker/start_sequence.h"

#include "picker/color_pick_window.h"
#include "picker/command_line.h"
#include "picker/pick_command.h"
#include "ui/picker_dialogs.h"

#include "picker/start_checks.h"
#include "sampling/x11_display.h"
#include "shell/accessible_screen_pixels.h"
#include "shell/pick_protocol.h"
#include "shell/single_instance.h"
#include "shell/termination_signals.h"
#include "storage/picker_settings.h"
#include "storage/settings_location.h"
#include "storage/settings_store.h"
#include "ui/accessibility.h"
#include "ui/artwork.h"

#include <QApplication>
#include <QDBusConnection>
#include <QFile>
#include <QIcon>
#include <QSessionManager>
#include <QStringList>
#include <QSystemTrayIcon>
#include <QWindow>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace pigmentrix {
namespace {

std::vector<std::string> ToUtf8(const QStringList &arguments)
{
    std::vector<std::string> result;
    result.reserve(static_cast<std::size_t>(arguments.size()));
    for (const QString &argument : arguments)
        result.push_back(argument.toStdString());
    return result;
}

// The store in the user's configuration folder, or beside the executable
// when a "Pigmentrix.ini" lies there (portable mode). Without a usable
// folder the settings live for this run only.
std::filesystem::path SettingsFile()
{
    const std::filesystem::path executableFolder(
        QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
    return SettingsFilePath(CurrentSettingsEnvironment(executableFolder)).value_or(std::filesystem::path());
}

std::vector<std::string> RawArguments(int argc, char **argv)
{
    return std::vector<std::string>(argv, argv + argc);
}

// Connecting to a session bus that no one named makes the D-Bus library
// start one for the X display, which outlives the picker. The one attempt
// the platform and the accessibility bridge make is made to fail at once,
// and the programs the picker starts later get the environment as it was.
class SessionBusGuard {
public:
    explicit SessionBusGuard(bool keepOff)
        : active(keepOff)
    {
        if (active)
            ::setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
    }
    // Once the application exists: the failed connection is kept for the
    // run, so nothing tries again.
    void settle()
    {
        if (!active)
            return;
        QDBusConnection::sessionBus();
        ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
        active = false;
    }

private:
    bool active;
};

// The other starts' requests, the end of the desktop session and the
// program's end reach the window.
void ConnectToTheDesktop(TfrmColorPick &window, SingleInstance &instance, QApplication &application,
                         TerminationSignals &terminations)
{
    QObject::connect(&instance, &SingleInstance::comeForwardRequested, &window, &TfrmColorPick::comeForward);
    QObject::connect(&instance, &SingleInstance::pickRequested, &window, &TfrmColorPick::pickFromDesktop);
    QObject::connect(&window, &TfrmColorPick::pickEnded, &instance,
                     [&instance](const std::optional<QString> &code) { instance.answerPicks(PickAnswer{code}); });
    // The end of the desktop session is an accepted close: the settings are
    // written, the tray icon goes, the instance lock is let go, exit 0.
    QObject::connect(&terminations, &TerminationSignals::received, &window, &TfrmColorPick::endSession);
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &window, &TfrmColorPick::saveSettingsNow,
                     Qt::DirectConnection);
    QObject::connect(&application, &QCoreApplication::aboutToQuit, &window, [&window] { window.endSession(); });
}

// Shown, or in the notification area at an autostart, or minimised where
// that area is not there; forPick: started for a pick command.
void ShowAtStart(TfrmColorPick &window, const StartOptions &options, bool forPick)
{
    if (!options.autostart) {
        window.show();
    } else if (options.noTray || !QSystemTrayIcon::isSystemTrayAvailable()) {
        // Hidden in a notification area that is not there, the window could
        // only be reached by a second start.
        const auto minimise = [&window] {
            window.showMinimized();
            // Placed just before it is mapped, the window would be mapped in
            // the normal state by the X11 platform; asked again, the window
            // manager minimises it.
            if (QWindow *handle = window.windowHandle())
                handle->setWindowStates(Qt::WindowMinimized);
        };
        // Until the window manager has minimised it, the window would stand
        // over what the pick takes: it goes to the task bar afterwards.
        if (forPick)
            QObject::connect(&window, &TfrmColorPick::pickEnded, &window, minimise, Qt::SingleShotConnection);
        else
            minimise();
    }
}

} // namespace

int RunPicker(int argc, char **argv)
{
    if (AsksForHelp(RawArguments(argc, argv))) {
        std::fputs(UsageText().c_str(), stdout);
        return 0;
    }
    const StartOptions asked = ScanArguments(RawArguments(argc, argv));
    if (const std::optional<std::string> error = ArgumentError(asked)) {
        std::fprintf(stderr, "pigmentrix: %s\n", error->c_str());
        return 2;
    }
    const StartEnvironment environment = CurrentStartEnvironment();
    if (const std::optional<std::string> missing = MissingDisplayMessage(environment, CanOpenX11Display)) {
        std::fprintf(stderr, "%s\n", missing->c_str());
        return 1;
    }
    // The picker a pick command started: the command's request waits on
    // this connection.
    int pickConnection = -1;
    if (asked.pick) {
        const PickCommandStart pick = StartPickCommand(asked);
        if (!pick.runPicker)
            return pick.exitCode;
        pickConnection = pick.connection;
    }
    SessionBusGuard sessionBus(KeepOffSessionBus(environment));
    // Before the accessibility bridge first asks for the application.
    InstallAccessibleMenus();
    TellAccessiblePlacesInScreenPixels();
    QApplication application(argc, argv);
    sessionBus.settle();
    StartOptions options = ScanArguments(ToUtf8(QCoreApplication::arguments()));

    SingleInstance instance(QCoreApplication::applicationFilePath());
    if (options.singleInstanceCheck && !options.noTray && !instance.tryBecomeFirst()) {
        // A picker started for a pick command that lost the race to another
        // start: closing the connection sends the command to that one.
        if (pickConnection >= 0)
            return 0;
        instance.askFirstToComeForward();
        return 0;
    }
    // Started for a pick command: in the background, as "/autostart" starts.
    if (pickConnection >= 0)
        options.autostart = true;

    QApplication::setApplicationName(QStringLiteral("Pigmentrix"));
    QApplication::setOrganizationName(QStringLiteral("Pigmentrix"));
    // Lets Wayland compositors and task bars match the window to its
    // installed .desktop file and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.pigmentrix.Pigmentrix"));
    QApplication::setWindowIcon(ArtworkIcon(u"program"));

    SettingsStore store(SettingsFile());
    if (!store.readProblem().empty())
        qWarning("Pigmentrix: settings not read, starting with defaults: %s", store.readProblem().c_str());
    QtPickerDialogs dialogs;
    TfrmColorPick window(store, dialogs);
    window.setPortableEdition(
        CurrentSettingsEnvironment(QCoreApplication::applicationDirPath().toStdString()).iniBesideExecutable);
    if (options.noTray) {
        window.runWithoutTray();
        options.autostart = pickConnection >= 0;
    } else if (options.allowClose) {
        window.setAllowCloseOption();
    }
    if (!options.colorParameter.empty())
        window.setColorParameter(QString::fromStdString(options.colorParameter));
    if (pickConnection >= 0)
        instance.adoptConnection(pickConnection);
    TerminationSignals terminations;
    ConnectToTheDesktop(window, instance, application, terminations);
    ShowAtStart(window, options, pickConnection >= 0);
    return QApplication::exec();
}

} // namespace pigmentrix
