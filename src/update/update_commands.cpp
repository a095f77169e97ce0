// The main menu's version check, website, help and About commands.
#include "update/update_commands.h"

#include "ui/error_guard.h"
#include "ui/menu_items.h"
#include "ui/picker_dialogs.h"
#include "update/about_window.h"
#include "update/check_progress_window.h"
#include "update/check_update_window.h"
#include "update/maker_links.h"
#include "update/version_checker.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QTimer>

namespace pigmentrix {
namespace {

const QString CannotConnectMessage = QStringLiteral("Cannot connect to the internet.  Please check your connection.");

} // namespace

UpdateCommands::UpdateCommands(QWidget *window, const QString &version, PickerDialogs &dialogs, const ErrorGuard &guard)
    : QObject(window)
    , window(window)
    , version(version)
    , dialogs(dialogs)
    , guard(guard)
{
    setObjectName(QStringLiteral("updateCommands"));
    versionChecker = new VersionChecker(this);
    guard.connect(versionChecker, &VersionChecker::answered, this,
                  [this](const VersionAnswer &answer) { versionCheckAnswered(answer); });
}

void UpdateCommands::addMenuItems(QMenu *menu)
{
    CheckforNewVersiononStartup1 = AddCheckItem(menu, QStringLiteral("CheckforNewVersiononStartup1"),
                                                QStringLiteral("Check for New Version on Startup"), oCheckNewVersion);
    guard.connect(CheckforNewVersiononStartup1, &QAction::triggered, this,
                  [this] { CheckforNewVersiononStartup1Click(); });
    AddSeparator(menu, QStringLiteral("N1"));
    VisitDunmooreSoftwareWebsite1 = AddItem(menu, QStringLiteral("VisitDunmooreSoftwareWebsite1"),
                                            QStringLiteral("Visit Dunmoore Software Website"));
    guard.connect(VisitDunmooreSoftwareWebsite1, &QAction::triggered, this,
                  [this] { VisitDunmooreSoftwareWebsite1Click(); });
    mnuCheckUpdate = AddItem(menu, QStringLiteral("mnuCheckUpdate"), QStringLiteral("Check for New Version..."));
    guard.connect(mnuCheckUpdate, &QAction::triggered, this, [this] { mnuCheckUpdateClick(); });
    AddSeparator(menu, QStringLiteral("N2"));
    ShowHelpfile1 =
        AddItem(menu, QStringLiteral("ShowHelpfile1"), QStringLiteral("Show Help"), QKeySequence(Qt::Key_F1));
    guard.connect(ShowHelpfile1, &QAction::triggered, this, [this] { ShowHelpfile1Click(); });
    AddSeparator(menu, QStringLiteral("N5"));
    AboutPigmentrix1 = AddItem(menu, QStringLiteral("AboutPigmentrix1"), QStringLiteral("About Pigmentrix..."));
    guard.connect(AboutPigmentrix1, &QAction::triggered, this, [this] { AboutPigmentrix1Click(); });
}

void UpdateCommands::setCheckOnStartup(bool check)
{
    oCheckNewVersion = check;
    CheckforNewVersiononStartup1->setChecked(check);
}

void UpdateCommands::checkAfterStart()
{
    startupCheck = new QTimer(this);
    startupCheck->setSingleShot(true);
    guard.connect(startupCheck, &QTimer::timeout, this, [this] { CheckNewVersion(true, true); });
    startupCheck->start(StartupCheckDelay);
}

void UpdateCommands::CheckNewVersion(bool Silent, bool Showform)
{
    versionChecker->start(version, Silent, Showform);
}

void UpdateCommands::versionCheckAnswered(const VersionAnswer &answer)
{
    closeCheckProgress();
    if (!answer.report) {
        mnuCheckUpdate->setEnabled(true);
        if (!answer.silent)
            dialogs.showWarning(window, CannotConnectMessage);
        return;
    }
    // A silent check without news would make a window nobody sees.
    if (!answer.showform || (answer.silent && answer.report->upgrade == Upgrade::None)) {
        mnuCheckUpdate->setEnabled(true);
        return;
    }
    auto *form = new TfrmCheckUpdate(version, *answer.report, *linkOpener, window);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->setWindowModality(Qt::ApplicationModal);
    guard.connect(form, &QDialog::finished, this, [this] { mnuCheckUpdate->setEnabled(true); });
    form->show();
}

void UpdateCommands::mnuCheckUpdateClick()
{
    // The user's own check answers what the start-up one would have asked.
    if (startupCheck)
        startupCheck->stop();
    mnuCheckUpdate->setEnabled(false);
    CheckNewVersion(false, true);
    showCheckProgress();
}

// A server or proxy that never answers keeps a check waiting for many
// seconds: the window says so and lets the user give up.
void UpdateCommands::showCheckProgress()
{
    if (checkProgress || !versionChecker->running())
        return;
    checkProgress = new TfrmCheckProgress(window);
    checkProgress->setAttribute(Qt::WA_DeleteOnClose);
    checkProgress->setWindowModality(Qt::ApplicationModal);
    guard.connect(checkProgress.data(), &QDialog::rejected, this, [this] {
        versionChecker->cancel();
        mnuCheckUpdate->setEnabled(true);
    });
    checkProgress->show();
}

void UpdateCommands::closeCheckProgress()
{
    if (!checkProgress)
        return;
    checkProgress->disconnect(this);
    checkProgress->close();
}

void UpdateCommands::CheckforNewVersiononStartup1Click()
{
    oCheckNewVersion = CheckforNewVersiononStartup1->isChecked();
}

void UpdateCommands::VisitDunmooreSoftwareWebsite1Click()
{
    if (!linkOpener->open(MakerWebsiteUrl()))
        dialogs.showWarning(window, InvalidLinkMessage(MakerWebsiteUrl().toString()));
}

void UpdateCommands::ShowHelpfile1Click()
{
    linkOpener->open(HelpUrl());
}

void UpdateCommands::AboutPigmentrix1Click()
{
    auto *about =
        new TfrmAbout({version, portableEdition, QCoreApplication::applicationDirPath()}, *linkOpener, window);
    AboutPigmentrix1->setEnabled(false);
    guard.connect(about, &QDialog::finished, this, [this] { AboutPigmentrix1->setEnabled(true); });
    guard.connect(about, &TfrmAbout::invalidLink, this,
                  [this, about](const QString &text) { dialogs.showWarning(about, text); });
    about->setWindowModality(Qt::ApplicationModal);
    about->show();
}

} // namespace pigmentrix
