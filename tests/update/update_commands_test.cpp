#include "local_https_server.h"
#include "update/about_window.h"
#include "update/check_progress_window.h"
#include "update/check_update_window.h"
#include "update/maker_links.h"
#include "update/update_commands.h"
#include "update/version_checker.h"
#include "window_test_fixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace pigmentrix {
namespace {

const QString CannotConnect = QStringLiteral("Cannot connect to the internet.  Please check your connection.");

QByteArray VersionFile(const QByteArray &version)
{
    return QByteArray("<html><head>\r\n<meta name=\"Version\" content=\"") + version
           + "\">\r\n<meta name=\"whatsnew1\" content=\"Sharper wheel\">\r\n</head></html>\r\n";
}

class UpdateCommandsTest : public PickerWindowTest {
protected:
    // A window whose checks ask the local server; the start-up check off
    // unless a test wants it.
    void openAskingServer(bool checkOnStartup)
    {
        versionSource = server.source();
        PickerSettings settings;
        settings.checkNewVersion = checkOnStartup;
        openWindow(settings);
    }

    // The window's own version moved on: majorSteps majors up (the minor
    // then 0), or else minorSteps minors up; "major.minor".
    QByteArray versionAfter(int majorSteps, int minorSteps) const
    {
        const QString own = window->version();
        const int major = own.section(QLatin1Char('.'), 0, 0).toInt();
        const int minor = own.section(QLatin1Char('.'), 1, 1).toInt();
        if (majorSteps > 0)
            return QByteArray::number(major + majorSteps) + ".0";
        return QByteArray::number(major) + '.' + QByteArray::number(minor + minorSteps);
    }

    UpdateCommands &updates() const { return area<UpdateCommands>(); }

    TfrmCheckUpdate *resultWindow() const { return window->findChild<TfrmCheckUpdate *>(); }
    TfrmCheckProgress *progressWindow() const { return window->findChild<TfrmCheckProgress *>(); }

    // Runs the event loop until the running check has answered.
    void waitForAnswer()
    {
        ASSERT_TRUE(WaitUntil([this] { return !updates().checker().running(); }));
    }

    LocalHttpsServer server;
};

TEST_F(UpdateCommandsTest, MenuItemsStandInTheMainMenuInOrder)
{
    QStringList names;
    for (QAction *action : control<QMenu>("pupMain")->actions())
        names << action->objectName();
    const QStringList expected = {"CheckforNewVersiononStartup1",
                                  "N1",
                                  "VisitDunmooreSoftwareWebsite1",
                                  "mnuCheckUpdate",
                                  "N2",
                                  "ShowHelpfile1",
                                  "N5",
                                  "AboutPigmentrix1"};
    const qsizetype first = names.indexOf(expected.first());
    ASSERT_GE(first, 0);
    EXPECT_EQ(names.mid(first, expected.size()), expected);
    EXPECT_EQ(item("CheckforNewVersiononStartup1")->text(), QStringLiteral("Check for New Version on Startup"));
    EXPECT_EQ(item("VisitDunmooreSoftwareWebsite1")->text(), QStringLiteral("Visit Dunmoore Software Website"));
    EXPECT_EQ(item("mnuCheckUpdate")->text(), QStringLiteral("Check for New Version..."));
    EXPECT_EQ(item("ShowHelpfile1")->text(), QStringLiteral("Show Help"));
    EXPECT_EQ(item("ShowHelpfile1")->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(item("AboutPigmentrix1")->text(), QStringLiteral("About Pigmentrix..."));
}

TEST_F(UpdateCommandsTest, StartupCheckOptionFollowsTheSettingAndTheMenu)
{
    for (bool stored : {true, false}) {
        SCOPED_TRACE(stored);
        PickerSettings settings;
        settings.checkNewVersion = stored;
        openWindow(settings);
        EXPECT_EQ(item("CheckforNewVersiononStartup1")->isChecked(), stored);
        item("CheckforNewVersiononStartup1")->trigger();
        EXPECT_EQ(updates().checkOnStartup(), !stored);
        EXPECT_EQ(item("CheckforNewVersiononStartup1")->isChecked(), !stored);
    }
}

struct MenuCheckRow {
    const char *name;
    QByteArray file;
    const char *sentence;
};

TEST_F(UpdateCommandsTest, MenuCheckShowsTheResultWhenTheAnswerArrives)
{
    openAskingServer(false);
    const std::vector<MenuCheckRow> rows = {
        {"major", VersionFile(versionAfter(1, 0)), "Major upgrade found"},
        {"minor", VersionFile(versionAfter(0, 1)), "Minor upgrade found"},
        {"none", VersionFile(versionAfter(0, 0)), "You are already using the latest version."},
    };
    for (const MenuCheckRow &row : rows) {
        SCOPED_TRACE(row.name);
        server.answer({200, row.file});
        item("mnuCheckUpdate")->trigger();
        // The window goes on working while the check runs, and says it runs.
        EXPECT_FALSE(item("mnuCheckUpdate")->isEnabled());
        EXPECT_TRUE(updates().checker().running());
        ASSERT_NE(progressWindow(), nullptr);
        EXPECT_TRUE(progressWindow()->isVisible());
        waitForAnswer();
        EXPECT_TRUE(progressWindow() == nullptr || !progressWindow()->isVisible()) << "gone with the answer";
        TfrmCheckUpdate *form = resultWindow();
        ASSERT_NE(form, nullptr);
        EXPECT_TRUE(form->isVisible());
        EXPECT_TRUE(form->isModal());
        EXPECT_EQ(form->lblText->text(), QString::fromLatin1(row.sentence));
        EXPECT_EQ(form->lblCurrent->text(), QStringLiteral("You are currently using version ") + window->version());
        EXPECT_FALSE(item("mnuCheckUpdate")->isEnabled());
        form->btnOK->click();
        EXPECT_TRUE(item("mnuCheckUpdate")->isEnabled());
        EXPECT_TRUE(QTest::qWaitFor([this] { return resultWindow() == nullptr; }, 5000));
    }
    EXPECT_TRUE(dialogs.warnings.isEmpty());
}

struct FailureRow {
    const char *name;
    std::function<void(LocalHttpsServer &)> prepare;
};

std::vector<FailureRow> FailureRows()
{
    return {
        {"server error page",
         [](LocalHttpsServer &s) {
             s.answer({500, "<h1>Internal Server Error</h1>"});
         }},
        {"file without a version",
         [](LocalHttpsServer &s) {
             s.answer({200, "<meta name=\"whatsnew1\" content=\"x\">"});
         }},
        {"oversized answer",
         [](LocalHttpsServer &s) {
             s.answer({200, VersionFile("16.0") + QByteArray(70000, ' ')});
         }},
    };
}

TEST_F(UpdateCommandsTest, FailedMenuCheckSaysSoAndReenablesTheCommand)
{
    openAskingServer(false);
    for (const FailureRow &row : FailureRows()) {
        SCOPED_TRACE(row.name);
        dialogs.warnings.clear();
        row.prepare(server);
        item("mnuCheckUpdate")->trigger();
        waitForAnswer();
        EXPECT_EQ(dialogs.warnings, QStringList{CannotConnect});
        EXPECT_TRUE(item("mnuCheckUpdate")->isEnabled());
        EXPECT_EQ(resultWindow(), nullptr);
    }
}

TEST_F(UpdateCommandsTest, MenuCheckShowsItRunsAndCanBeGivenUp)
{
    server.neverAnswer();
    openAskingServer(false);
    item("mnuCheckUpdate")->trigger();
    TfrmCheckProgress *progress = progressWindow();
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(progress->isVisible());
    EXPECT_TRUE(progress->isModal());
    EXPECT_EQ(progress->lblChecking->text(), QStringLiteral("Checking for a new version..."));
    EXPECT_EQ(progress->windowTitle(), QStringLiteral("Check For Pigmentrix Update"));
    QTest::keyClick(progress, Qt::Key_Escape);
    EXPECT_FALSE(updates().checker().running()) << "Escape gives the check up";
    EXPECT_TRUE(item("mnuCheckUpdate")->isEnabled());
    EXPECT_TRUE(QTest::qWaitFor([this] { return progressWindow() == nullptr; }, 5000));

    item("mnuCheckUpdate")->trigger();
    ASSERT_NE(progressWindow(), nullptr);
    progressWindow()->btnCancel->click();
    EXPECT_FALSE(updates().checker().running()) << "and so does Cancel";
    EXPECT_TRUE(item("mnuCheckUpdate")->isEnabled());
    EXPECT_TRUE(dialogs.warnings.isEmpty()) << "a check given up is no failure";
    EXPECT_EQ(resultWindow(), nullptr);
}

TEST_F(UpdateCommandsTest, MenuCheckThatTimesOutSaysItCannotConnect)
{
    server.neverAnswer();
    versionSource = {server.url(), server.trustingOptions(std::chrono::milliseconds(200))};
    PickerSettings settings;
    settings.checkNewVersion = false;
    openWindow(settings);
    item("mnuCheckUpdate")->trigger();
    waitForAnswer();
    EXPECT_EQ(dialogs.warnings, QStringList{CannotConnect});
    EXPECT_TRUE(item("mnuCheckUpdate")->isEnabled());
}

TEST_F(UpdateCommandsTest, SilentStartupCheckFailsWithoutAnySign)
{
    for (const FailureRow &row : FailureRows()) {
        SCOPED_TRACE(row.name);
        row.prepare(server);
        openAskingServer(true);
        ASSERT_TRUE(WaitUntil([this] { return updates().checker().running(); }));
        waitForAnswer();
        EXPECT_TRUE(dialogs.warnings.isEmpty());
        EXPECT_TRUE(dialogs.errors.isEmpty());
        EXPECT_EQ(resultWindow(), nullptr);
        EXPECT_TRUE(item("mnuCheckUpdate")->isEnabled());
    }
}

TEST_F(UpdateCommandsTest, SilentStartupCheckShowsOnlyAnUpgrade)
{
    // The window's own version is the program's; the server names one far
    // above and one far below it.
    for (const auto &[file, shown] : {std::pair{VersionFile("9999.0"), true}, std::pair{VersionFile("0.0"), false}}) {
        SCOPED_TRACE(shown);
        server.answer({200, file});
        versionSource = server.source();
        openWindow();
        ASSERT_TRUE(WaitUntil([this] { return updates().checker().running(); }));
        waitForAnswer();
        EXPECT_EQ(resultWindow() != nullptr, shown);
        if (shown) {
            EXPECT_EQ(resultWindow()->lblText->text(), QStringLiteral("Major upgrade found"));
        }
    }
}

TEST_F(UpdateCommandsTest, MenuCheckDuringTheSilentOneJoinsItAndShowsItsAnswer)
{
    server.answer({200, VersionFile("0.0")});
    versionSource = server.source();
    openWindow();
    ASSERT_TRUE(WaitUntil([this] { return updates().checker().running(); }));
    item("mnuCheckUpdate")->trigger();
    waitForAnswer();
    ASSERT_NE(resultWindow(), nullptr);
    EXPECT_EQ(resultWindow()->lblText->text(), QStringLiteral("You are already using the latest version."));
    EXPECT_EQ(window->findChildren<TfrmCheckUpdate *>().size(), 1);
}

TEST_F(UpdateCommandsTest, StartupCheckRunsOnceARun)
{
    server.answer({200, VersionFile("0.0")});
    openAskingServer(true);
    EXPECT_FALSE(updates().checker().running()) << "not while the window is first shown";
    ASSERT_TRUE(WaitUntil([this] { return updates().checker().running(); }));
    waitForAnswer();
    window->hide();
    window->show();
    EXPECT_FALSE(updates().checker().running()) << "shown again from the notification area";
    item("AlwaysonTop1")->trigger();
    item("ShowHideTitlebar1")->trigger();
    EXPECT_FALSE(updates().checker().running()) << "the frame changed";
}

TEST_F(UpdateCommandsTest, NoStartupCheckWhenItIsSwitchedOff)
{
    openAskingServer(false);
    QTest::qWait(static_cast<int>(StartupCheckDelay.count()) + 200);
    EXPECT_FALSE(updates().checker().running());
    EXPECT_TRUE(server.lastRequest.isEmpty());
}

TEST_F(UpdateCommandsTest, MenuCheckBeforeTheStartupOneTakesItsPlace)
{
    server.answer({200, VersionFile("0.0")});
    openAskingServer(true);
    item("mnuCheckUpdate")->trigger();
    waitForAnswer();
    ASSERT_NE(resultWindow(), nullptr);
    resultWindow()->close();
    server.lastRequest.clear();
    QTest::qWait(static_cast<int>(StartupCheckDelay.count()) + 200);
    EXPECT_FALSE(updates().checker().running());
    EXPECT_TRUE(server.lastRequest.isEmpty());
}

TEST_F(UpdateCommandsTest, WebsiteAndHelpOpenTheirAddresses)
{
    item("VisitDunmooreSoftwareWebsite1")->trigger();
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(links.opened, (QList<QUrl>{MakerWebsiteUrl(), HelpUrl()}));
    EXPECT_EQ(HelpUrl().toString(),
              QStringLiteral("https://") + QString::fromLatin1(MakerHost) + QStringLiteral("/pigmentrix/help"));
    EXPECT_TRUE(dialogs.warnings.isEmpty());
}

TEST_F(UpdateCommandsTest, WebsiteThatCannotBeOpenedIsNamedHelpFailsQuietly)
{
    links.succeeds = false;
    item("VisitDunmooreSoftwareWebsite1")->trigger();
    item("ShowHelpfile1")->trigger();
    EXPECT_EQ(dialogs.warnings,
              QStringList{QStringLiteral("The following link is invalid :\n\r") + MakerWebsiteUrl().toString()});
}

TEST_F(UpdateCommandsTest, AboutWindowIsModalOneAtATimeAndClosesWithEscape)
{
    item("AboutPigmentrix1")->trigger();
    auto *about = window->findChild<TfrmAbout *>();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_TRUE(about->isModal());
    EXPECT_EQ(about->lblAppName->text(), QStringLiteral("Pigmentrix ") + window->version());
    EXPECT_EQ(about->lblFreeware->text(), QStringLiteral("freeware"));
    EXPECT_FALSE(item("AboutPigmentrix1")->isEnabled());
    QTest::keyClick(about->btnReadme, Qt::Key_Escape);
    EXPECT_TRUE(item("AboutPigmentrix1")->isEnabled());
    EXPECT_TRUE(QTest::qWaitFor([this] { return window->findChild<TfrmAbout *>() == nullptr; }, 5000));
}

TEST_F(UpdateCommandsTest, AboutWindowShowsThePortableEdition)
{
    window->setPortableEdition(true);
    item("AboutPigmentrix1")->trigger();
    auto *about = window->findChild<TfrmAbout *>();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->lblFreeware->text(), QStringLiteral("Portable Edition (Freeware)"));
    about->close();
}

TEST_F(UpdateCommandsTest, MissingReadmeIsNamedWithItsPath)
{
    item("AboutPigmentrix1")->trigger();
    auto *about = window->findChild<TfrmAbout *>();
    ASSERT_NE(about, nullptr);
    about->btnReadme->click();
    const QString path =
        QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QStringLiteral("/readme.txt"));
    EXPECT_EQ(dialogs.warnings, QStringList{QStringLiteral("The following link is invalid :\n\r") + path});
    EXPECT_TRUE(about->isVisible());
    about->close();
}

} // namespace
} // namespace pigmentrix
