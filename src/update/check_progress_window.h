#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace pigmentrix {

// Shown while a version check asked for from the menu waits for the
// maker's server: says that it runs, and Cancel, Escape or the close box
// give it up.
class TfrmCheckProgress : public QDialog {
    Q_OBJECT

public:
    explicit TfrmCheckProgress(QWidget *parent = nullptr);

    QLabel *lblChecking = nullptr;
    QProgressBar *prgChecking = nullptr;
    QPushButton *btnCancel = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
};

} // namespace pigmentrix
