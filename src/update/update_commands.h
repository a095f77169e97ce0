#pragma once

#include "update/link_opener.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <chrono>

class QAction;
class QMenu;
class QTimer;
class QWidget;

namespace pigmentrix {

// How long after the first showing the silent start-up check waits.
inline constexpr std::chrono::milliseconds StartupCheckDelay(1500);

class ErrorGuard;
class PickerDialogs;
class TfrmCheckProgress;
class VersionChecker;
struct VersionAnswer;

// The main menu's version check, website, help and About commands.
class UpdateCommands : public QObject {
    Q_OBJECT

public:
    UpdateCommands(QWidget *window, const QString &version, PickerDialogs &dialogs, const ErrorGuard &guard);

    void addMenuItems(QMenu *menu);
    void setCheckOnStartup(bool check);
    bool checkOnStartup() const { return oCheckNewVersion; }
    // Settings kept in Pigmentrix.ini beside the program.
    void setPortableEdition(bool portable) { portableEdition = portable; }
    // Opens web addresses, the mail link and the read-me file.
    void setLinkOpener(LinkOpener &opener) { linkOpener = &opener; }
    // Asks the maker's server in the background, one check at a time.
    VersionChecker &checker() { return *versionChecker; }

    // The silent check of a start, once the window is on the screen and the
    // program has nothing else to do: the fetch program it runs does not
    // compete with the first showing for the processor.
    void checkAfterStart();

private:
    // Starts a check; its result window or message appears when the answer
    // arrives. Silent: only an upgrade is shown, a failure not at all.
    void CheckNewVersion(bool Silent, bool Showform);
    void mnuCheckUpdateClick();
    void CheckforNewVersiononStartup1Click();
    void VisitDunmooreSoftwareWebsite1Click();
    void ShowHelpfile1Click();
    void AboutPigmentrix1Click();
    void versionCheckAnswered(const VersionAnswer &answer);
    // The window that shows a check from the menu running, until its answer.
    void showCheckProgress();
    void closeCheckProgress();

    QWidget *window;
    QString version;
    PickerDialogs &dialogs;
    const ErrorGuard &guard;
    bool oCheckNewVersion = true;
    bool portableEdition = false;
    LinkOpener *linkOpener = &DesktopLinks();
    VersionChecker *versionChecker = nullptr;
    QPointer<TfrmCheckProgress> checkProgress;
    QTimer *startupCheck = nullptr;

    QAction *CheckforNewVersiononStartup1 = nullptr;
    QAction *VisitDunmooreSoftwareWebsite1 = nullptr;
    QAction *mnuCheckUpdate = nullptr;
    QAction *ShowHelpfile1 = nullptr;
    QAction *AboutPigmentrix1 = nullptr;
};

} // namespace pigmentrix
