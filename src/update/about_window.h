#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace pigmentrix {

class LinkLabel;
class LinkOpener;

// What the About window names.
struct AboutFacts {
    QString version;
    // Settings kept in Pigmentrix.ini beside the program.
    bool portableEdition = false;
    // The folder of the running program; readme.txt is found from it.
    QString programFolder;
};

// The About window: program name and version, edition, the support and
// website links and the read-me file. Escape closes it wherever the focus is.
class TfrmAbout : public QDialog {
    Q_OBJECT

public:
    TfrmAbout(const AboutFacts &facts, LinkOpener &links, QWidget *parent = nullptr);

    QLabel *imgLogo = nullptr;
    QLabel *Imageicon = nullptr;
    QLabel *lblAppName = nullptr;
    QLabel *lblDate = nullptr;
    QLabel *lblFreeware = nullptr;
    QLabel *lblEmail = nullptr;
    LinkLabel *JvLinkLabel2 = nullptr;
    QLabel *lblWebsite = nullptr;
    LinkLabel *JvLinkLabel3 = nullptr;
    QPushButton *btnReadme = nullptr;
    QPushButton *btnOK = nullptr;

    void btnReadmeClick();
    void JvLinkLabel2LinkClick(LinkLabel *link);

signals:
    // A target could not be opened; text names it.
    void invalidLink(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate(const AboutFacts &facts);
    void buildControls();
    void showPortableEdition();

    LinkOpener &links;
    QString programFolder;
};

// What "View Readme.txt" says when the file is there but no program to show
// it is: that, and where the file is.
QString NoReadmeViewerMessage(const QString &path);

// readme.txt in the program's folder, or where an installation keeps it
// (share/doc/pigmentrix beside the bin folder) when only that one exists;
// written as the platform writes paths.
QString ReadmePath(const QString &folder);

} // namespace pigmentrix
