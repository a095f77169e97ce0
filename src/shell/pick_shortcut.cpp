#include "shell/pick_shortcut.h"

#include "shell/global_shortcut.h"
#include "shell/pick_shortcut_dialog.h"
#include "storage/stored_properties.h"
#include "ui/error_guard.h"
#include "ui/menu_items.h"

#include <QAction>
#include <QMenu>
#include <QtDebug>

#include <string>

namespace pigmentrix {
namespace {

constexpr std::string_view StoredName = "PickShortcut1_ShortCut";

QKeySequence StoredKeys(const SettingsStore &store)
{
    const StoredProperty *property = FindStoredProperty(StoredName);
    const std::optional<StoredValue> value = property ? ReadStoredProperty(store, *property) : std::nullopt;
    const std::string *text = value ? std::get_if<std::string>(&*value) : nullptr;
    return text ? QKeySequence::fromString(QString::fromStdString(*text), QKeySequence::PortableText) : QKeySequence();
}

} // namespace

PickShortcut::PickShortcut(QWidget *window, const SettingsStore &store, const ErrorGuard &guard)
    : QObject(window)
    , window(window)
    , guard(guard)
{
    setObjectName(QStringLiteral("pickShortcut"));
    bindQuietly(StoredKeys(store));
}

PickShortcut::~PickShortcut() = default;

GlobalShortcut &PickShortcut::desktop()
{
    if (!global) {
        global = CreateGlobalShortcut(this);
        connect(global.get(), &GlobalShortcut::activated, this, &PickShortcut::activated);
        guard.connect(global.get(), &GlobalShortcut::bound, this,
                      [this](const ShortcutBinding &binding) { bound(binding); });
    }
    return *global;
}

void PickShortcut::addMenuItem(QMenu *menu)
{
    PickShortcut1 = AddItem(menu, QStringLiteral("PickShortcut1"), QStringLiteral("Pick Shortcut..."));
    guard.connect(PickShortcut1, &QAction::triggered, this, [this] { PickShortcut1Click(); });
}

std::vector<PropertyBinding> PickShortcut::storedProperties()
{
    return {{StoredName, [this] { return StoredValue(inForce.toString(QKeySequence::PortableText).toStdString()); },
             [this](const StoredValue &value) {
                 if (const std::string *text = std::get_if<std::string>(&value))
                     bindQuietly(QKeySequence::fromString(QString::fromStdString(*text), QKeySequence::PortableText));
             }}};
}

void PickShortcut::bindQuietly(const QKeySequence &wanted)
{
    if (wanted == inForce)
        return;
    asked = wanted;
    desktop().bind(wanted);
}

void PickShortcut::PickShortcut1Click()
{
    if (dialog) {
        dialog->raise();
        dialog->activateWindow();
        return;
    }
    dialog = new PickShortcutDialog(inForce, desktop().available(), window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    guard.connect(dialog.data(), &PickShortcutDialog::chosen, this, [this](const QKeySequence &wanted) {
        asked = wanted;
        desktop().bind(wanted);
    });
    dialog->open();
}

void PickShortcut::bound(const ShortcutBinding &binding)
{
    if (binding.result == ShortcutBinding::Result::Bound)
        inForce = asked;
    else if (!dialog)
        qWarning("Pigmentrix: the pick shortcut %s is not in force: %s",
                 qPrintable(asked.toString(QKeySequence::NativeText)),
                 binding.result == ShortcutBinding::Result::Taken ? "another program holds it"
                                                                  : qPrintable(binding.message));
    if (dialog)
        dialog->bindingFinished(binding);
}

} // namespace pigmentrix
