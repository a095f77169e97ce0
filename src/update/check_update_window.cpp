#include "update/check_update_window.h"

#include "ui/artwork.h"
#include "update/dialog_frame.h"
#include "update/link_label.h"
#include "update/link_opener.h"
#include "update/maker_links.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace pigmentrix {
namespace {

constexpr QSize ClientSize(415, 202);
// Without an upgrade the window is 170 pixels tall with its title bar and
// frame (31 pixels), which leaves room down to the verdict and the button.
constexpr int ShortClientHeight = 170 - 31;
constexpr int OkMarginBottom = 202 - 165;
// Least room between a caption and the value beside it when the font is
// wider than the one the window was designed for.
constexpr int CaptionGap = 6;

// Moves value right of caption when caption would run into it.
void KeepBeside(QLabel *value, const QLabel *caption)
{
    value->move(std::max(value->x(), caption->geometry().right() + 1 + CaptionGap), value->y());
}

QLabel *MakeLabel(QWidget *parent, const char *name, const QString &text, QPoint at)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(at);
    label->adjustSize();
    return label;
}

} // namespace

QString UpgradeSentence(Upgrade upgrade)
{
    switch (upgrade) {
    case Upgrade::Major: return QStringLiteral("Major upgrade found");
    case Upgrade::Minor: return QStringLiteral("Minor upgrade found");
    case Upgrade::None: break;
    }
    return QStringLiteral("You are already using the latest version.");
}

TfrmCheckUpdate::TfrmCheckUpdate(const QString &ownVersion, const VersionReport &report, LinkOpener &links,
                                 QWidget *parent)
    : QDialog(parent)
    , links(links)
{
    setObjectName(QStringLiteral("frmCheckUpdate"));
    MakeFixedDialog(this, QStringLiteral("Check For Pigmentrix Update"), ClientSize);
    setFont(PixelFont(QStringLiteral("Segoe UI"), 12));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    setPalette(palette);
    setAutoFillBackground(true);
    buildControls();
    showReport(ownVersion, report);
}

void TfrmCheckUpdate::buildControls()
{
    lblCurrent = MakeLabel(this, "lblCurrent", QStringLiteral("You are currently using version"), {24, 16});
    lblLatestVersion = MakeLabel(this, "lblLatestVersion", QStringLiteral("Latest version found online :"), {24, 40});
    lblVersion = MakeLabel(this, "lblVersion", QString(), {178, 40});
    lblText = MakeLabel(this, "lblText", QString(), {24, 64});
    lblnewfeatures = MakeLabel(this, "lblnewfeatures", QStringLiteral("New Features"), {24, 88});
    lblFeatures = MakeLabel(this, "lblFeatures", QString(), {104, 88});
    lblFeatures->setTextFormat(Qt::PlainText);

    lnkDownload = new LinkLabel(QStringLiteral("Download new Version"), palette().color(QPalette::Highlight), this);
    lnkDownload->setObjectName(QStringLiteral("lnkDownload"));
    lnkDownload->setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11, true));
    lnkDownload->move(24, 153);
    lnkDownload->adjustSize();
    connect(lnkDownload, &LinkLabel::clicked, this, &TfrmCheckUpdate::lnkDownloadLinkClick);

    Imageicon = new QLabel(this);
    Imageicon->setObjectName(QStringLiteral("Imageicon"));
    Imageicon->setGeometry(359, 8, 48, 48);
    Imageicon->setPixmap(ArtworkPixmap(u"icon", Imageicon->size(), devicePixelRatioF()));

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(330, 165, 75, 25);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmCheckUpdate::showReport(const QString &ownVersion, const VersionReport &report)
{
    for (QLabel *label : {lblVersion, lblText, lblFeatures})
        label->setTextFormat(Qt::PlainText);
    lblVersion->setText(report.newVersion);
    lblCurrent->setText(lblCurrent->text() + QLatin1Char(' ') + ownVersion);
    lblText->setText(UpgradeSentence(report.upgrade));
    lblFeatures->setText(QStringList(report.news.begin(), report.news.end()).join(QLatin1Char('\n')));
    for (QLabel *label : {lblCurrent, lblVersion, lblText, lblFeatures})
        label->adjustSize();
    KeepBeside(lblVersion, lblLatestVersion);
    KeepBeside(lblFeatures, lblnewfeatures);

    if (report.upgrade == Upgrade::None) {
        lnkDownload->hide();
        lblnewfeatures->hide();
        lblFeatures->hide();
        setFixedSize(ClientSize.width(), ShortClientHeight);
        btnOK->move(btnOK->x(), ShortClientHeight - OkMarginBottom);
    }
}

void TfrmCheckUpdate::lnkDownloadLinkClick()
{
    links.open(MakerWebsiteUrl());
}

void TfrmCheckUpdate::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    CentreOnScreen(this);
}

} // namespace pigmentrix
