#include "update/about_window.h"

#include "ui/artwork.h"
#include "update/dialog_frame.h"
#include "update/link_label.h"
#include "update/link_opener.h"
#include "update/maker_links.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

namespace pigmentrix {
namespace {

constexpr QSize ClientSize(514, 216);
constexpr QRgb Background = qRgb(0xFF, 0xF5, 0x85);
constexpr QRgb LinkColor = qRgb(0x00, 0x33, 0x99);
constexpr int PortablePoints = 14;
constexpr int PortableDrop = 4;

QLabel *MakeLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    label->setGeometry(geometry);
    return label;
}

// A bold caption whose right edge stands at right.
QLabel *MakeRightAlignedCaption(QWidget *parent, const char *name, const QString &text, int right, int top)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(PixelFont(parent->font().family(), parent->font().pixelSize(), true));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->adjustSize();
    label->move(right - label->width(), top);
    return label;
}

// A link at its place; never shorter than its font needs.
LinkLabel *MakeLink(QWidget *parent, const char *name, const QString &text, const QString &target,
                    const QRect &geometry)
{
    auto *link = new LinkLabel(text, QColor(LinkColor), parent);
    link->setObjectName(QString::fromLatin1(name));
    link->setFont(PixelFont(QStringLiteral("MS Sans Serif"), 12, true));
    link->setToolTip(target);
    link->setGeometry(geometry.x(), geometry.y(), geometry.width(),
                      std::max(geometry.height(), link->sizeHint().height()));
    return link;
}

} // namespace

QString ReadmePath(const QString &folder)
{
    const QDir programDir(folder);
    const QString beside = programDir.filePath(QStringLiteral("readme.txt"));
    // An installed program keeps its documents apart from its binaries.
    const QString installed = programDir.filePath(QStringLiteral("../share/doc/pigmentrix/readme.txt"));
    if (!QFileInfo(beside).isFile() && QFileInfo(installed).isFile())
        return QDir::toNativeSeparators(QDir::cleanPath(installed));
    return QDir::toNativeSeparators(beside);
}

TfrmAbout::TfrmAbout(const AboutFacts &facts, LinkOpener &links, QWidget *parent)
    : QDialog(parent)
    , links(links)
    , programFolder(facts.programFolder)
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    MakeFixedDialog(this, QStringLiteral("About Pigmentrix"), ClientSize);
    setFont(PixelFont(QStringLiteral("Segoe UI"), 12));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(Background));
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);
    buildControls();
    FormCreate(facts);
}

void TfrmAbout::buildControls()
{
    imgLogo = MakeLabel(this, "imgLogo", QString(), {8, 8, 201, 200}, Qt::AlignCenter);
    imgLogo->setPixmap(ArtworkPixmap(u"logo", imgLogo->size(), devicePixelRatioF()));
    Imageicon = MakeLabel(this, "Imageicon", QString(), {338, 7, 48, 48}, Qt::AlignCenter);
    Imageicon->setPixmap(ArtworkPixmap(u"icon", Imageicon->size(), devicePixelRatioF()));

    lblAppName = MakeLabel(this, "lblAppName", QString(), {215, 52, 291, 35}, Qt::AlignCenter);
    lblAppName->setFont(PixelFont(QStringLiteral("Arial Black"), 27, true));
    lblDate = MakeLabel(this, "lblDate", QStringLiteral("Copyright \u00A9 2026 Dunmoore Software"), {215, 88, 291, 15},
                        Qt::AlignCenter);
    lblFreeware = MakeLabel(this, "lblFreeware", QStringLiteral("freeware"), {215, 104, 291, 33}, Qt::AlignCenter);
    lblFreeware->setFont(PixelFont(QStringLiteral("Arial Black"), 24, true));

    lblEmail = MakeRightAlignedCaption(this, "lblEmail", QStringLiteral("email :"), 299, 138);
    JvLinkLabel2 = MakeLink(this, "JvLinkLabel2", SupportEmailAddress(),
                            QStringLiteral("mailto:") + SupportEmailAddress(), {305, 138, 179, 13});
    lblWebsite = MakeRightAlignedCaption(this, "lblWebsite", QStringLiteral("website :"), 298, 154);
    JvLinkLabel3 = MakeLink(this, "JvLinkLabel3", WebsiteName(), MakerWebsiteUrl().toString(), {304, 155, 228, 13});
    for (LinkLabel *link : {JvLinkLabel2, JvLinkLabel3})
        connect(link, &LinkLabel::clicked, this, [this, link] { JvLinkLabel2LinkClick(link); });

    btnReadme = new QPushButton(QStringLiteral("View Readme.txt"), this);
    btnReadme->setObjectName(QStringLiteral("btnReadme"));
    btnReadme->setGeometry(234, 181, 111, 25);
    connect(btnReadme, &QPushButton::clicked, this, &TfrmAbout::btnReadmeClick);
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(416, 181, 75, 25);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    setTabOrder(btnReadme, btnOK);
    btnReadme->setFocus();
}

void TfrmAbout::FormCreate(const AboutFacts &facts)
{
    lblAppName->setText(QStringLiteral("Pigmentrix ") + facts.version);
    if (facts.portableEdition)
        showPortableEdition();
}

void TfrmAbout::showPortableEdition()
{
    lblFreeware->setText(QStringLiteral("Portable Edition (Freeware)"));
    QFont font = lblFreeware->font();
    font.setPointSize(PortablePoints);
    lblFreeware->setFont(font);
    lblFreeware->move(lblFreeware->x(), lblFreeware->y() + PortableDrop);
}

void TfrmAbout::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrmAbout::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    CentreOnScreen(this);
}

void TfrmAbout::JvLinkLabel2LinkClick(LinkLabel *link)
{
    links.open(QUrl(link->toolTip()));
}

void TfrmAbout::btnReadmeClick()
{
    const QString path = ReadmePath(programFolder);
    // The desktop would start a viewer even for a missing file, so its
    // absence is found here; a file that is there and still does not open
    // has no program to show it (no xdg-open, for one).
    if (!QFileInfo(path).isFile())
        emit invalidLink(InvalidLinkMessage(path));
    else if (!links.open(QUrl::fromLocalFile(path)))
        emit invalidLink(NoReadmeViewerMessage(path));
}

QString NoReadmeViewerMessage(const QString &path)
{
    return QStringLiteral("No program was found to open the read-me file. You can read it at:\n") + path;
}

} // namespace pigmentrix
