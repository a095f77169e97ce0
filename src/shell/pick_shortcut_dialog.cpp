#include "shell/pick_shortcut_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace pigmentrix {
namespace {

QString Shown(const QKeySequence &keys)
{
    return keys.isEmpty() ? QStringLiteral("none") : keys.toString(QKeySequence::NativeText);
}

} // namespace

PickShortcutDialog::PickShortcutDialog(const QKeySequence &current, bool canBind, QWidget *parent)
    : QDialog(parent)
    , current(current)
    , edtPickShortcut(new QKeySequenceEdit(current, this))
    , btnClearShortcut(new QPushButton(QStringLiteral("Clear"), this))
    , lblShortcutNote(new QLabel(this))
    , btnShortcutOk(nullptr)
    , btnShortcutCancel(nullptr)
{
    setObjectName(QStringLiteral("frmPickShortcut"));
    setWindowTitle(QStringLiteral("Pick Shortcut"));
    edtPickShortcut->setObjectName(QStringLiteral("edtPickShortcut"));
    btnClearShortcut->setObjectName(QStringLiteral("btnClearShortcut"));
    lblShortcutNote->setObjectName(QStringLiteral("lblShortcutNote"));
    lblShortcutNote->setWordWrap(true);
    lblShortcutNote->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    btnShortcutOk = buttons->button(QDialogButtonBox::Ok);
    btnShortcutOk->setObjectName(QStringLiteral("btnShortcutOk"));
    btnShortcutCancel = buttons->button(QDialogButtonBox::Cancel);
    btnShortcutCancel->setObjectName(QStringLiteral("btnShortcutCancel"));

    auto *prompt = new QLabel(QStringLiteral("Press the keys that start picking a color from anywhere:"), this);
    auto *keysRow = new QHBoxLayout;
    keysRow->addWidget(edtPickShortcut, 1);
    keysRow->addWidget(btnClearShortcut);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addLayout(keysRow);
    layout->addWidget(lblShortcutNote);
    layout->addWidget(buttons);
    setMinimumWidth(380);

    if (!canBind) {
        prompt->hide();
        edtPickShortcut->setEnabled(false);
        btnClearShortcut->setEnabled(false);
        lblShortcutNote->setText(DesktopShortcutInstructions());
        adjustSize();
    }
    connect(edtPickShortcut, &QKeySequenceEdit::keySequenceChanged, this, [this] { keepFirstCombination(); });
    // The key editor takes every key, Return and Escape too: once the
    // combination is in, they are for the buttons.
    connect(edtPickShortcut, &QKeySequenceEdit::editingFinished, btnShortcutOk, [this] {
        edtPickShortcut->releaseKeyboard();
        btnShortcutOk->setFocus();
    });
    connect(btnClearShortcut, &QPushButton::clicked, this, [this] {
        edtPickShortcut->clear();
        recordKeys();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &PickShortcutDialog::okClicked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void PickShortcutDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (edtPickShortcut->isEnabled())
        recordKeys();
}

// While the editor records, it holds the keyboard: a combination another
// program has bound would otherwise go to that program, not here.
void PickShortcutDialog::recordKeys(int attempt)
{
    edtPickShortcut->setFocus();
    QWindow *window = windowHandle();
    if (window && window->setKeyboardGrabEnabled(true)) {
        edtPickShortcut->grabKeyboard();
        return;
    }
    // Not on the screen yet.
    if (attempt < 50)
        QTimer::singleShot(20, this, [this, attempt] { recordKeys(attempt + 1); });
}

QKeySequence PickShortcutDialog::keys() const
{
    return edtPickShortcut->keySequence();
}

// One combination, not a sequence of them: the first press is the one.
void PickShortcutDialog::keepFirstCombination()
{
    const QKeySequence pressed = edtPickShortcut->keySequence();
    if (pressed.count() > 1)
        edtPickShortcut->setKeySequence(QKeySequence(pressed[0]));
}

void PickShortcutDialog::okClicked()
{
    if (!edtPickShortcut->isEnabled() || keys() == current) {
        accept();
        return;
    }
    btnShortcutOk->setEnabled(false);
    lblShortcutNote->setText(QStringLiteral("Asking the desktop for %1...").arg(Shown(keys())));
    emit chosen(keys());
}

void PickShortcutDialog::bindingFinished(const ShortcutBinding &binding)
{
    btnShortcutOk->setEnabled(true);
    switch (binding.result) {
    case ShortcutBinding::Result::Bound: accept(); return;
    case ShortcutBinding::Result::Taken:
        lblShortcutNote->setText(QStringLiteral("%1 is taken by another program. The shortcut stays %2.")
                                     .arg(Shown(keys()), Shown(current)));
        break;
    case ShortcutBinding::Result::Failed:
        lblShortcutNote->setText(binding.message + QStringLiteral(" The shortcut stays %1.").arg(Shown(current)));
        break;
    }
    // Room for the whole note.
    adjustSize();
}

} // namespace pigmentrix
