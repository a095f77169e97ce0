// The main menu's version check, website, help and About commands.
#include "picker/color_pick_window.h"

#include "picker/menu_items.h"

#include "picker/picker_dialogs.h"
#include "update/about_window.h"
#include "update/check_update_window.h"
#include "update/maker_links.h"
#include "update/version_checker.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace pigmentrix {
namespace {

const QString CannotConnectMessage =
    QStringLiteral("Cannot connect to the internet.  Please check your connection.");

} // namespace

void TfrmColorPick::buildUpdateCommands()
{
    const auto guarded = [this](void (TfrmColorPick::*handler)()) {
        return [this, handler] { runGuarded([this, handler] { (this->*handler)(); }); };
    };
    CheckforNewVersiononStartup1 = AddCheckItem(pupMain, QStringLiteral("CheckforNewVersiononStartup1"),
                                                QStringLiteral("Check for New Version on Startup"), false);
    connect(CheckforNewVersiononStartup1, &QAction::triggered, this,
            guarded(&TfrmColorPick::CheckforNewVersiononStartup1Click));
    AddSeparator(pupMain, QStringLiteral("N1"));
    VisitDunmooreSoftwareWebsite1 = AddItem(pupMain, QStringLiteral("VisitDunmooreSoftwareWebsite1"),
                                            QStringLiteral("Visit Dunmoore Software Website"));
    connect(VisitDunmooreSoftwareWebsite1, &QAction::triggered, this,
            guarded(&TfrmColorPick::VisitDunmooreSoftwareWebsite1Click));
    mnuCheckUpdate = AddItem(pupMain, QStringLiteral("mnuCheckUpdate"), QStringLiteral("Check for New Version..."));
    connect(mnuCheckUpdate, &QAction::triggered, this, guarded(&TfrmColorPick::mnuCheckUpdateClick));
    AddSeparator(pupMain, QStringLiteral("N2"));
    ShowHelpfile1 = AddItem(pupMain, QStringLiteral("ShowHelpfile1"), QStringLiteral("Show Help"), QKeySequence(Qt::Key_F1));
    connect(ShowHelpfile1, &QAction::triggered, this, guarded(&TfrmColorPick::ShowHelpfile1Click));
    AddSeparator(pupMain, QStringLiteral("N5"));
    AboutPigmentrix1 = AddItem(pupMain, QStringLiteral("AboutPigmentrix1"), QStringLiteral("About Pigmentrix..."));
    connect(AboutPigmentrix1, &QAction::triggered, this, guarded(&TfrmColorPick::AboutPigmentrix1Click));

    versionChecker = new VersionChecker(this);
    connect(versionChecker, &VersionChecker::answered, this,
            [this](const VersionAnswer &answer) { runGuarded([this, &answer] { versionCheckAnswered(answer); }); });
}

void TfrmColorPick::CheckNewVersion(bool Silent, bool Showform)
{
    versionChecker->start(version, Silent, Showform);
}

void TfrmColorPick::versionCheckAnswered(const VersionAnswer &answer)
{
    if (!answer.report) {
        mnuCheckUpdate->setEnabled(true);
        if (!answer.silent)
            dialogs.showWarning(this, CannotConnectMessage);
        return;
    }
    // A silent check without news would make a window nobody sees.
    if (!answer.showform || (answer.silent && answer.report->upgrade == Upgrade::None)) {
        mnuCheckUpdate->setEnabled(true);
        return;
    }
    auto *form = new TfrmCheckUpdate(version, *answer.report, *linkOpener, this);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->setWindowModality(Qt::ApplicationModal);
    connect(form, &QDialog::finished, this, [this] { mnuCheckUpdate->setEnabled(true); });
    form->show();
}

void TfrmColorPick::mnuCheckUpdateClick()
{
    mnuCheckUpdate->setEnabled(false);
    CheckNewVersion(false, true);
}

void TfrmColorPick::CheckforNewVersiononStartup1Click()
{
    oCheckNewVersion = CheckforNewVersiononStartup1->isChecked();
}

void TfrmColorPick::VisitDunmooreSoftwareWebsite1Click()
{
    if (!linkOpener->open(MakerWebsiteUrl()))
        dialogs.showWarning(this, InvalidLinkMessage(MakerWebsiteUrl().toString()));
}

void TfrmColorPick::ShowHelpfile1Click()
{
    linkOpener->open(HelpUrl());
}

void TfrmColorPick::AboutPigmentrix1Click()
{
    auto *about = new TfrmAbout({version, portableEdition, QCoreApplication::applicationDirPath()}, *linkOpener, this);
    AboutPigmentrix1->setEnabled(false);
    connect(about, &QDialog::finished, this, [this] { AboutPigmentrix1->setEnabled(true); });
    connect(about, &TfrmAbout::invalidLink, this, [this, about](const QString &text) { dialogs.showWarning(about, text); });
    about->setWindowModality(Qt::ApplicationModal);
    about->show();
}

} // namespace pigmentrix
