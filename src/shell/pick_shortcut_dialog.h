#pragma once

#include "shell/global_shortcut.h"

#include <QDialog>
#include <QKeySequence>

class QKeySequenceEdit;
class QLabel;
class QPushButton;

namespace pigmentrix {

// "Pick Shortcut": the user presses the key combination that starts a pick
// from anywhere, or clears it. OK asks for it (chosen); the dialog closes
// once it is in force and otherwise says why not, keeping the one before.
// Where the session binds no keys, it says how to bind "pigmentrix /pick"
// in the desktop's own settings.
class PickShortcutDialog final : public QDialog {
    Q_OBJECT

public:
    PickShortcutDialog(const QKeySequence &current, bool canBind, QWidget *parent);

    QKeySequence keys() const;
    // The answer to chosen.
    void bindingFinished(const ShortcutBinding &binding);

signals:
    void chosen(const QKeySequence &keys);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void recordKeys(int attempt = 0);
    void keepFirstCombination();
    void okClicked();

    QKeySequence current;
    QKeySequenceEdit *edtPickShortcut;
    QPushButton *btnClearShortcut;
    QLabel *lblShortcutNote;
    QPushButton *btnShortcutOk;
    QPushButton *btnShortcutCancel;
};

} // namespace pigmentrix
