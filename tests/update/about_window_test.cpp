#include "update/about_window.h"

#include "fake_dialogs.h"
#include "update/link_label.h"
#include "update/maker_links.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <utility>

namespace pigmentrix {
namespace {

class AboutWindowTest : public testing::Test {
protected:
    TfrmAbout *open(const AboutFacts &facts)
    {
        about = new TfrmAbout(facts, links);
        about->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(about));
        return about;
    }
    void TearDown() override { delete about.data(); }

    FakeLinkOpener links;
    QPointer<TfrmAbout> about;
};

TEST_F(AboutWindowTest, NamesTheProgramItsVersionAndTheLinks)
{
    open({QStringLiteral("15.2"), false, QString()});
    EXPECT_EQ(about->windowTitle(), QStringLiteral("About Pigmentrix"));
    EXPECT_EQ(about->size(), QSize(514, 216));
    EXPECT_EQ(about->palette().color(QPalette::Window), QColor(0xFF, 0xF5, 0x85));
    EXPECT_EQ(about->lblAppName->text(), QStringLiteral("Pigmentrix 15.2"));
    EXPECT_EQ(about->lblFreeware->text(), QStringLiteral("freeware"));
    EXPECT_EQ(about->lblEmail->text(), QStringLiteral("email :"));
    EXPECT_EQ(about->lblEmail->geometry().right() + 1, 299);
    EXPECT_EQ(about->lblWebsite->text(), QStringLiteral("website :"));
    EXPECT_EQ(about->lblWebsite->geometry().right() + 1, 298);
    EXPECT_EQ(about->JvLinkLabel2->text(), SupportEmailAddress());
    EXPECT_EQ(about->JvLinkLabel2->toolTip(), QStringLiteral("mailto:") + SupportEmailAddress());
    EXPECT_EQ(about->JvLinkLabel3->text(), WebsiteName());
    EXPECT_EQ(about->JvLinkLabel3->toolTip(), MakerWebsiteUrl().toString());
    EXPECT_EQ(about->btnReadme->text(), QStringLiteral("View Readme.txt"));
    EXPECT_EQ(about->btnOK->text(), QStringLiteral("OK"));
    EXPECT_TRUE(about->btnReadme->hasFocus());
    EXPECT_FALSE(about->imgLogo->pixmap().isNull());
    EXPECT_FALSE(about->Imageicon->pixmap().isNull());
}

TEST_F(AboutWindowTest, LogoIsScaledProportionallyIntoItsBox)
{
    open({QStringLiteral("1.0"), false, QString()});
    const QSize logo = about->imgLogo->pixmap().size();
    EXPECT_TRUE(logo.width() == 201 || logo.height() == 200) << logo.width() << "x" << logo.height();
    EXPECT_LE(logo.width(), 201);
    EXPECT_LE(logo.height(), 200);
}

TEST_F(AboutWindowTest, PortableEditionSaysSoInFourteenPointsFourPixelsLower)
{
    open({QStringLiteral("1.0"), true, QString()});
    EXPECT_EQ(about->lblFreeware->text(), QStringLiteral("Portable Edition (Freeware)"));
    EXPECT_EQ(about->lblFreeware->font().pointSize(), 14);
    EXPECT_EQ(about->lblFreeware->y(), 104 + 4);
}

TEST_F(AboutWindowTest, LinksOpenTheirTargets)
{
    open({QStringLiteral("1.0"), false, QString()});
    QTest::mouseClick(about->JvLinkLabel2, Qt::LeftButton);
    QTest::mouseClick(about->JvLinkLabel3, Qt::LeftButton);
    EXPECT_EQ(links.opened, (QList<QUrl>{QUrl(QStringLiteral("mailto:") + SupportEmailAddress()), MakerWebsiteUrl()}));
}

TEST_F(AboutWindowTest, ReadmeBesideTheProgramIsOpened)
{
    QTemporaryDir folder;
    QFile readme(folder.filePath(QStringLiteral("readme.txt")));
    ASSERT_TRUE(readme.open(QIODevice::WriteOnly));
    readme.close();
    open({QStringLiteral("1.0"), false, folder.path()});
    QSignalSpy invalid(about.data(), &TfrmAbout::invalidLink);
    QTest::mouseClick(about->btnReadme, Qt::LeftButton);
    EXPECT_EQ(links.opened, QList<QUrl>{QUrl::fromLocalFile(folder.filePath(QStringLiteral("readme.txt")))});
    EXPECT_EQ(invalid.count(), 0);
}

struct ReadmeFailureRow {
    const char *name;
    bool fileExists;
    bool openerSucceeds;
    const char *said; // before the path
};

TEST_F(AboutWindowTest, AReadmeThatCannotBeOpenedIsNamedAndTheWindowStays)
{
    const std::vector<ReadmeFailureRow> rows = {
        {"no read-me file", false, true, "The following link is invalid :\n\r"},
        {"no program to open it (no xdg-open)", true, false,
         "No program was found to open the read-me file. You can read it at:\n"},
    };
    for (const ReadmeFailureRow &row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir folder;
        if (row.fileExists) {
            QFile readme(folder.filePath(QStringLiteral("readme.txt")));
            ASSERT_TRUE(readme.open(QIODevice::WriteOnly));
        }
        links.succeeds = row.openerSucceeds;
        open({QStringLiteral("1.0"), false, folder.path()});
        QSignalSpy invalid(about.data(), &TfrmAbout::invalidLink);
        QTest::mouseClick(about->btnReadme, Qt::LeftButton);
        ASSERT_EQ(invalid.count(), 1);
        EXPECT_EQ(invalid.at(0).at(0).toString(),
                  QString::fromLatin1(row.said)
                      + QDir::toNativeSeparators(folder.filePath(QStringLiteral("readme.txt"))));
        EXPECT_TRUE(about->isVisible());
        delete about.data();
    }
}

TEST(ReadmePath, IsReadmeTxtInTheProgramFolder)
{
    EXPECT_EQ(ReadmePath(QStringLiteral("/opt/tools")), QStringLiteral("/opt/tools/readme.txt"));
    EXPECT_EQ(ReadmePath(QStringLiteral("/opt/tools/")), QStringLiteral("/opt/tools/readme.txt"));
}

TEST(ReadmePath, FallsBackToTheInstalledDocumentsOnlyWhenNothingIsBesideTheProgram)
{
    struct Row {
        const char *name;
        bool beside;
        bool installed;
        const char *expected;
    };
    const Row rows[] = {
        {"beside only", true, false, "bin/readme.txt"},
        {"both", true, true, "bin/readme.txt"},
        {"installed only", false, true, "share/doc/pigmentrix/readme.txt"},
        {"neither", false, false, "bin/readme.txt"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir prefix;
        QDir root(prefix.path());
        ASSERT_TRUE(root.mkpath(QStringLiteral("bin")));
        ASSERT_TRUE(root.mkpath(QStringLiteral("share/doc/pigmentrix")));
        for (const auto &[wanted, path] :
             {std::pair{row.beside, "bin/readme.txt"}, std::pair{row.installed, "share/doc/pigmentrix/readme.txt"}}) {
            QFile file(root.filePath(QString::fromLatin1(path)));
            if (wanted) {
                ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            }
        }
        EXPECT_EQ(ReadmePath(root.filePath(QStringLiteral("bin"))).toStdString(),
                  QDir::toNativeSeparators(root.filePath(QString::fromLatin1(row.expected))).toStdString());
    }
}

TEST_F(AboutWindowTest, EscapeClosesItWhereverTheFocusIs)
{
    for (const char *focus : {"btnReadme", "btnOK"}) {
        SCOPED_TRACE(focus);
        open({QStringLiteral("1.0"), false, QString()});
        auto *button = about->findChild<QPushButton *>(QString::fromLatin1(focus));
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Escape);
        // Closing destroys the window.
        EXPECT_TRUE(QTest::qWaitFor([this] { return about.isNull(); }, 5000));
    }
}

} // namespace
} // namespace pigmentrix
