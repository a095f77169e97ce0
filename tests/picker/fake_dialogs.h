#pragma once

#include "ui/picker_dialogs.h"
#include "update/link_opener.h"

#include <QDialog>
#include <QList>
#include <QStringList>
#include <QUrl>

#include <functional>

namespace pigmentrix {

// Answers the window's dialogs from prepared values and records messages.
class FakeDialogs final : public PickerDialogs {
public:
    std::optional<TColor> colorAnswer;
    std::optional<QFont> fontAnswer;
    std::optional<QString> textAnswer; // nullopt: the user cancels
    std::optional<QString> openFileAnswer; // nullopt: the user cancels
    std::optional<QString> saveFileAnswer;
    QStringList messages;
    QStringList warnings;
    QStringList errors;
    // Works the window's own dialog as the user would and says whether it was
    // accepted; without steps the user cancels.
    std::function<bool(QDialog &)> dialogSteps;

    std::optional<TColor> chooseColor(QWidget *, TColor) override { return colorAnswer; }
    std::optional<QFont> chooseFont(QWidget *, const QFont &) override { return fontAnswer; }
    QString askText(QWidget *, const QString &, const QString &, const QString &preset) override
    {
        return textAnswer.value_or(preset);
    }
    void showMessage(QWidget *, const QString &text) override { messages << text; }
    void showWarning(QWidget *, const QString &text) override { warnings << text; }
    void showError(QWidget *, const QString &text) override { errors << text; }
    std::optional<QString> chooseOpenPaletteFile(QWidget *) override { return openFileAnswer; }
    std::optional<QString> chooseSavePaletteFile(QWidget *) override { return saveFileAnswer; }
    bool runDialog(QDialog &dialog) override
    {
        dialog.show();
        return dialogSteps && dialogSteps(dialog);
    }
};

// Records what the window asks the desktop to open; opening succeeds unless
// told otherwise.
class FakeLinkOpener final : public LinkOpener {
public:
    bool succeeds = true;
    QList<QUrl> opened;

    bool open(const QUrl &target) override
    {
        opened << target;
        return succeeds;
    }
};

} // namespace pigmentrix
