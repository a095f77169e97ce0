#pragma once

#include "update/version_file.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace pigmentrix {

class LinkLabel;
class LinkOpener;

// The result of a version check: own and newest version, the verdict and the
// news lines, with a link to the download page when there is something new.
// Without an upgrade the window is cut short below the verdict.
class TfrmCheckUpdate : public QDialog {
    Q_OBJECT

public:
    TfrmCheckUpdate(const QString &ownVersion, const VersionReport &report, LinkOpener &links,
                    QWidget *parent = nullptr);

    QLabel *lblCurrent = nullptr;
    QLabel *lblLatestVersion = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblText = nullptr;
    QLabel *lblnewfeatures = nullptr;
    QLabel *lblFeatures = nullptr;
    LinkLabel *lnkDownload = nullptr;
    QLabel *Imageicon = nullptr;
    QPushButton *btnOK = nullptr;

    void lnkDownloadLinkClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void showReport(const QString &ownVersion, const VersionReport &report);

    LinkOpener &links;
};

// The verdict shown for an upgrade kind.
QString UpgradeSentence(Upgrade upgrade);

} // namespace pigmentrix
