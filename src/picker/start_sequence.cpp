#include "picker/start_sequence.h"

#include "picker/color_pick_window.h"
#include "picker/command_line.h"
#include "picker/picker_dialogs.h"
#include "picker/picker_settings.h"
#include "storage/settings_location.h"

#include <QApplication>
#include <QStringList>

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

} // namespace

int RunPicker(int argc, char **argv)
{
    QApplication application(argc, argv);
    StartOptions options = ScanArguments(ToUtf8(QCoreApplication::arguments()));

    QApplication::setApplicationName(QStringLiteral("Pigmentrix"));
    QApplication::setApplicationDisplayName(QStringLiteral("Pigmentrix"));
    QApplication::setOrganizationName(QStringLiteral("Pigmentrix"));

    const PickerSettings settings;
    QtPickerDialogs dialogs;
    TfrmColorPick window(settings, dialogs);
    window.portableEdition =
        CurrentSettingsEnvironment(QCoreApplication::applicationDirPath().toStdString()).iniBesideExecutable;
    if (options.noTray) {
        options.allowClose = true;
        options.autostart = false;
    }
    if (options.allowClose)
        window.AllowClose = true;
    if (!options.colorParameter.empty())
        window.paramcolor = QString::fromStdString(options.colorParameter);
    if (!options.autostart)
        window.show();

    return QApplication::exec();
}

} // namespace pigmentrix
