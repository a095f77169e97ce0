#include "update/check_update_window.h"

#include "fake_dialogs.h"
#include "update/link_label.h"
#include "update/maker_links.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace pigmentrix {
namespace {

VersionReport Report(const char *version, Upgrade upgrade)
{
    return {QString::fromLatin1(version), upgrade, {"Faster wheel", "", "New notation", ""}};
}

struct VerdictRow {
    Upgrade upgrade;
    const char *sentence;
    bool full; // news and download link shown, window at full height
};

TEST(CheckUpdateWindow, ShowsTheVerdictAndCutsTheWindowWithoutAnUpgrade)
{
    const std::vector<VerdictRow> rows = {
        {Upgrade::Major, "Major upgrade found", true},
        {Upgrade::Minor, "Minor upgrade found", true},
        {Upgrade::None, "You are already using the latest version.", false},
    };
    for (const VerdictRow &row : rows) {
        SCOPED_TRACE(row.sentence);
        FakeLinkOpener links;
        TfrmCheckUpdate form(QStringLiteral("15.0"), Report("16.0", row.upgrade), links);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Check For Pigmentrix Update"));
        EXPECT_EQ(form.lblCurrent->text(), QStringLiteral("You are currently using version 15.0"));
        EXPECT_EQ(form.lblLatestVersion->text(), QStringLiteral("Latest version found online :"));
        EXPECT_EQ(form.lblVersion->text(), QStringLiteral("16.0"));
        EXPECT_EQ(form.lblText->text(), QString::fromLatin1(row.sentence));
        EXPECT_EQ(form.lblnewfeatures->text(), QStringLiteral("New Features"));
        EXPECT_EQ(form.lblFeatures->text(), QStringLiteral("Faster wheel\n\nNew notation\n"));
        EXPECT_EQ(form.lnkDownload->text(), QStringLiteral("Download new Version"));
        EXPECT_EQ(form.lnkDownload->isVisible(), row.full);
        EXPECT_EQ(form.lblnewfeatures->isVisible(), row.full);
        EXPECT_EQ(form.lblFeatures->isVisible(), row.full);
        EXPECT_EQ(form.width(), 415);
        // The OK button keeps its distance from the bottom edge.
        EXPECT_EQ(form.height() - form.btnOK->geometry().bottom(), 202 - 189);
        if (row.full)
            EXPECT_EQ(form.height(), 202);
        else
            EXPECT_LT(form.height(), 170);
        EXPECT_GT(form.btnOK->y(), form.lblText->geometry().bottom());
    }
}

TEST(CheckUpdateWindow, ValuesNeverOverlapTheirCaptionsWhateverTheFont)
{
    FakeLinkOpener links;
    TfrmCheckUpdate form(QStringLiteral("15.0"), Report("16.0", Upgrade::Major), links);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_GE(form.lblVersion->x(), 178);
    EXPECT_GT(form.lblVersion->x(), form.lblLatestVersion->geometry().right());
    EXPECT_GE(form.lblFeatures->x(), 104);
    EXPECT_GT(form.lblFeatures->x(), form.lblnewfeatures->geometry().right());
}

TEST(CheckUpdateWindow, DownloadLinkOpensTheWebsiteAndOkCloses)
{
    FakeLinkOpener links;
    TfrmCheckUpdate form(QStringLiteral("15.0"), Report("15.1", Upgrade::Minor), links);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(form.lnkDownload, Qt::LeftButton);
    EXPECT_EQ(links.opened, QList<QUrl>{MakerWebsiteUrl()});
    QTest::mouseClick(form.btnOK, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

} // namespace
} // namespace pigmentrix
