#include "update/check_progress_window.h"

#include "update/dialog_frame.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace pigmentrix {
namespace {

constexpr QSize ClientSize(320, 98);

} // namespace

TfrmCheckProgress::TfrmCheckProgress(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmCheckProgress"));
    MakeFixedDialog(this, QStringLiteral("Check For Pigmentrix Update"), ClientSize);
    setFont(PixelFont(QStringLiteral("Segoe UI"), 12));

    lblChecking = new QLabel(QStringLiteral("Checking for a new version..."), this);
    lblChecking->setObjectName(QStringLiteral("lblChecking"));
    lblChecking->setGeometry(16, 12, ClientSize.width() - 32, 18);

    // A bar without an end: the server says nothing of how long it takes.
    prgChecking = new QProgressBar(this);
    prgChecking->setObjectName(QStringLiteral("prgChecking"));
    prgChecking->setRange(0, 0);
    prgChecking->setTextVisible(false);
    prgChecking->setGeometry(16, 36, ClientSize.width() - 32, 16);

    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(ClientSize.width() - 16 - 75, 62, 75, 25);
    btnCancel->setDefault(true);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmCheckProgress::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    CentreOnScreen(this);
}

} // namespace pigmentrix
