#include "local_https_server.h"
#include "update/about_window.h"
#include "update/check_update_window.h"
#include "update/maker_links.h"
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

QByteArray VersionFile(const char *version)
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
        settings.CheckNewVersion = checkOnStartup;
        openWindow(settings);
        window->version = QStringLiteral("15.0");
    }

    TfrmCheckUpdate *resultWindow() const { return window->findChild<TfrmCheckUpdate *>(); }

    // Runs the event loop until the running check has answered.
    void waitForAnswer()
    {
        ASSERT_TRUE(WaitUntil([this] { return !window->versionChecker->running(); }));
    }

    LocalHttpsServer server;
};

TEST_F(UpdateCommandsTest, MenuItemsStandInTheMainMenuInOrder)
{
    QStringList names;
    for (QAction *action : window->pupMain->actions())
        names << action->objectName();
    const QStringList expected = {"CheckforNewVersiononStartup1", "N1", "VisitDunmooreSoftwareWebsite1",
                                  "mnuCheckUpdate", "N2", "ShowHelpfile1", "N5", "AboutPigmentrix1"};
    const qsizetype first = names.indexOf(expected.first());
    ASSERT_GE(first, 0);
    EXPECT_EQ(names.mid(first, expected.size()), expected);
    EXPECT_EQ(window->CheckforNewVersiononStartup1->text(), QStringLiteral("Check for New Version on Startup"));
    EXPECT_EQ(window->VisitDunmooreSoftwareWebsite1->text(), QStringLiteral("Visit Dunmoore Software Website"));
    EXPECT_EQ(window->mnuCheckUpdate->text(), QStringLiteral("Check for New Version..."));
    EXPECT_EQ(window->ShowHelpfile1->text(), QStringLiteral("Show Help"));
    EXPECT_EQ(window->ShowHelpfile1->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(window->AboutPigmentrix1->text(), QStringLiteral("About Pigmentrix..."));
}

TEST_F(UpdateCommandsTest, StartupCheckOptionFollowsTheSettingAndTheMenu)
{
    for (bool stored : {true, false}) {
        SCOPED_TRACE(stored);
        PickerSettings settings;
        settings.CheckNewVersion = stored;
        openWindow(settings);
        EXPECT_EQ(window->CheckforNewVersiononStartup1->isChecked(), stored);
        window->CheckforNewVersiononStartup1->trigger();
        EXPECT_EQ(window->oCheckNewVersion, !stored);
        EXPECT_EQ(window->CheckforNewVersiononStartup1->isChecked(), !stored);
    }
}

struct MenuCheckRow {
    const char *name;
    QByteArray file;
    const char *sentence;
};

TEST_F(UpdateCommandsTest, MenuCheckShowsTheResultWhenTheAnswerArrives)
{
    const std::vector<MenuCheckRow> rows = {
        {"major", VersionFile("16.0"), "Major upgrade found"},
        {"minor", VersionFile("15.1"), "Minor upgrade found"},
        {"none", VersionFile("15.0"), "You are already using the latest version."},
    };
    openAskingServer(false);
    for (const MenuCheckRow &row : rows) {
        SCOPED_TRACE(row.name);
        server.answer({200, row.file});
        window->mnuCheckUpdate->trigger();
        // The window goes on working while the check runs.
        EXPECT_FALSE(window->mnuCheckUpdate->isEnabled());
        EXPECT_TRUE(window->versionChecker->running());
        waitForAnswer();
        TfrmCheckUpdate *form = resultWindow();
        ASSERT_NE(form, nullptr);
        EXPECT_TRUE(form->isVisible());
        EXPECT_TRUE(form->isModal());
        EXPECT_EQ(form->lblText->text(), QString::fromLatin1(row.sentence));
        EXPECT_EQ(form->lblCurrent->text(), QStringLiteral("You are currently using version 15.0"));
        EXPECT_FALSE(window->mnuCheckUpdate->isEnabled());
        form->btnOK->click();
        EXPECT_TRUE(window->mnuCheckUpdate->isEnabled());
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
        {"server error page", [](LocalHttpsServer &s) { s.answer({500, "<h1>Internal Server Error</h1>"}); }},
        {"file without a version", [](LocalHttpsServer &s) { s.answer({200, "<meta name=\"whatsnew1\" content=\"x\">"}); }},
        {"oversized answer", [](LocalHttpsServer &s) { s.answer({200, VersionFile("16.0") + QByteArray(70000, ' ')}); }},
    };
}

TEST_F(UpdateCommandsTest, FailedMenuCheckSaysSoAndReenablesTheCommand)
{
    openAskingServer(false);
    for (const FailureRow &row : FailureRows()) {
        SCOPED_TRACE(row.name);
        dialogs.warnings.clear();
        row.prepare(server);
        window->mnuCheckUpdate->trigger();
        waitForAnswer();
        EXPECT_EQ(dialogs.warnings, QStringList{CannotConnect});
        EXPECT_TRUE(window->mnuCheckUpdate->isEnabled());
        EXPECT_EQ(resultWindow(), nullptr);
    }
}

TEST_F(UpdateCommandsTest, MenuCheckThatTimesOutSaysItCannotConnect)
{
    server.neverAnswer();
    versionSource = {server.url(), server.trustingOptions(std::chrono::milliseconds(200))};
    PickerSettings settings;
    settings.CheckNewVersion = false;
    openWindow(settings);
    window->mnuCheckUpdate->trigger();
    waitForAnswer();
    EXPECT_EQ(dialogs.warnings, QStringList{CannotConnect});
    EXPECT_TRUE(window->mnuCheckUpdate->isEnabled());
}

TEST_F(UpdateCommandsTest, SilentStartupCheckFailsWithoutAnySign)
{
    for (const FailureRow &row : FailureRows()) {
        SCOPED_TRACE(row.name);
        row.prepare(server);
        openAskingServer(true);
        EXPECT_TRUE(window->versionChecker->running());
        waitForAnswer();
        EXPECT_TRUE(dialogs.warnings.isEmpty());
        EXPECT_TRUE(dialogs.errors.isEmpty());
        EXPECT_EQ(resultWindow(), nullptr);
        EXPECT_TRUE(window->mnuCheckUpdate->isEnabled());
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
    ASSERT_TRUE(window->versionChecker->running());
    window->mnuCheckUpdate->trigger();
    waitForAnswer();
    ASSERT_NE(resultWindow(), nullptr);
    EXPECT_EQ(resultWindow()->lblText->text(), QStringLiteral("You are already using the latest version."));
    EXPECT_EQ(window->findChildren<TfrmCheckUpdate *>().size(), 1);
}

TEST_F(UpdateCommandsTest, NoStartupCheckWhenItIsSwitchedOff)
{
    openAskingServer(false);
    EXPECT_FALSE(window->versionChecker->running());
    EXPECT_TRUE(server.lastRequest.isEmpty());
}

TEST_F(UpdateCommandsTest, WebsiteAndHelpOpenTheirAddresses)
{
    window->VisitDunmooreSoftwareWebsite1->trigger();
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(links.opened, (QList<QUrl>{MakerWebsiteUrl(), HelpUrl()}));
    EXPECT_EQ(HelpUrl().toString(), QStringLiteral("https://") + QString::fromLatin1(MakerHost) + QStringLiteral("/pigmentrix/help"));
    EXPECT_TRUE(dialogs.warnings.isEmpty());
}

TEST_F(UpdateCommandsTest, WebsiteThatCannotBeOpenedIsNamedHelpFailsQuietly)
{
    links.succeeds = false;
    window->VisitDunmooreSoftwareWebsite1->trigger();
    window->ShowHelpfile1->trigger();
    EXPECT_EQ(dialogs.warnings, QStringList{QStringLiteral("The following link is invalid :\n\r") + MakerWebsiteUrl().toString()});
}

TEST_F(UpdateCommandsTest, AboutWindowIsModalOneAtATimeAndClosesWithEscape)
{
    window->AboutPigmentrix1->trigger();
    auto *about = window->findChild<TfrmAbout *>();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_TRUE(about->isModal());
    EXPECT_EQ(about->lblAppName->text(), QStringLiteral("Pigmentrix ") + window->version);
    EXPECT_EQ(about->lblFreeware->text(), QStringLiteral("freeware"));
    EXPECT_FALSE(window->AboutPigmentrix1->isEnabled());
    QTest::keyClick(about->btnReadme, Qt::Key_Escape);
    EXPECT_TRUE(window->AboutPigmentrix1->isEnabled());
    EXPECT_TRUE(QTest::qWaitFor([this] { return window->findChild<TfrmAbout *>() == nullptr; }, 5000));
}

TEST_F(UpdateCommandsTest, AboutWindowShowsThePortableEdition)
{
    window->portableEdition = true;
    window->AboutPigmentrix1->trigger();
    auto *about = window->findChild<TfrmAbout *>();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->lblFreeware->text(), QStringLiteral("Portable Edition (Freeware)"));
    about->close();
}

TEST_F(UpdateCommandsTest, MissingReadmeIsNamedWithItsPath)
{
    window->AboutPigmentrix1->trigger();
    auto *about = window->findChild<TfrmAbout *>();
    ASSERT_NE(about, nullptr);
    about->btnReadme->click();
    const QString path = QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QStringLiteral("/readme.txt"));
    EXPECT_EQ(dialogs.warnings, QStringList{QStringLiteral("The following link is invalid :\n\r") + path});
    EXPECT_TRUE(about->isVisible());
    about->close();
}

} // namespace
} // namespace pigmentrix
