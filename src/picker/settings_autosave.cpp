#include "picker/settings_autosave.h"

#include "storage/settings_store.h"

#include <QMetaObject>

namespace pigmentrix {
namespace {

constexpr int WriteDelayMs = 1000;

} // namespace

SettingsAutosave::SettingsAutosave(SettingsStore &store, std::function<void()> collect, Report report, QObject *parent)
    : QObject(parent)
    , store(store)
    , collect(std::move(collect))
    , report(std::move(report))
    , writer([this](const std::optional<std::string> &error) {
        QMetaObject::invokeMethod(
            this, [this, error] { written(error); }, Qt::QueuedConnection);
    })
{
    setObjectName(QStringLiteral("settingsAutosave"));
    timer.setSingleShot(true);
    timer.setInterval(WriteDelayMs);
    connect(&timer, &QTimer::timeout, this, &SettingsAutosave::writeInBackground);
}

SettingsAutosave::~SettingsAutosave()
{
    writer.Wait();
}

void SettingsAutosave::changed()
{
    if (!timer.isActive())
        timer.start();
}

void SettingsAutosave::changing()
{
    timer.start();
}

void SettingsAutosave::writeInBackground()
{
    collect();
    SettingsStore::Prepared prepared = store.PrepareWrite();
    tell(prepared.result, report);
    if (prepared.write)
        writer.Submit(std::move(*prepared.write));
}

void SettingsAutosave::written(const std::optional<std::string> &error)
{
    if (!error) {
        failureReported = false;
        return;
    }
    store.WriteFailed();
    if (!failureReported) {
        failureReported = true;
        report(QString::fromStdString(*error), true);
    }
}

void SettingsAutosave::saveNow(const Report &sayTo)
{
    timer.stop();
    writer.Wait();
    tell(store.Save(), sayTo);
}

void SettingsAutosave::tell(const SettingsSaveResult &result, const Report &sayTo)
{
    if (!result.notice.empty())
        sayTo(QString::fromStdString(result.notice), false);
    if (!result.error.empty())
        sayTo(QString::fromStdString(result.error), true);
}

} // namespace pigmentrix
