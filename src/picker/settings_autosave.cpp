#include "picker/settings_autosave.h"

#include "storage/settings_store.h"

#include <QMetaObject>

#include <cstdlib>

namespace pigmentrix {
namespace {

constexpr int WriteDelayMs = 1000;

// The autosave of the window that lives now, for the write at exit().
SettingsAutosave *livingAutosave = nullptr;

extern "C" void SaveSettingsBeforeExit()
{
    if (livingAutosave)
        livingAutosave->saveBeforeExit();
}

} // namespace

SettingsAutosave::SettingsAutosave(SettingsStore &store, std::function<void()> collect, Report report, QObject *parent)
    : QObject(parent)
    , store(store)
    , collect(std::move(collect))
    , report(std::move(report))
    , writer([this](const SettingsWrite &write, const std::optional<std::string> &error) {
        QMetaObject::invokeMethod(
            this, [this, write, error] { written(write, error); }, Qt::QueuedConnection);
    })
{
    setObjectName(QStringLiteral("settingsAutosave"));
    timer.setSingleShot(true);
    timer.setInterval(WriteDelayMs);
    connect(&timer, &QTimer::timeout, this, &SettingsAutosave::writeInBackground);
    static const bool atExit = std::atexit(SaveSettingsBeforeExit) == 0;
    if (atExit)
        livingAutosave = this;
}

SettingsAutosave::~SettingsAutosave()
{
    if (livingAutosave == this)
        livingAutosave = nullptr;
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

void SettingsAutosave::written(const SettingsWrite &write, const std::optional<std::string> &error)
{
    if (!error) {
        failureReported = false;
        return;
    }
    store.WriteFailed(write);
    SettingsSaveResult failed;
    failed.error = *error;
    tell(failed, report);
}

void SettingsAutosave::saveNow(const Report &sayTo)
{
    timer.stop();
    writer.Wait();
    tell(store.Save(), sayTo);
}

void SettingsAutosave::saveBeforeExit()
{
    livingAutosave = nullptr;
    collect();
    saveNow(log);
}

void SettingsAutosave::log(const QString &message, bool)
{
    qWarning("Pigmentrix: %s", qUtf8Printable(message));
}

void SettingsAutosave::tell(const SettingsSaveResult &result, const Report &sayTo)
{
    if (!result.notice.empty())
        sayTo(QString::fromStdString(result.notice), false);
    if (result.error.empty()) {
        if (result.written)
            failureReported = false;
        return;
    }
    // Told once; the log hears of every failure after that.
    if (failureReported) {
        log(QString::fromStdString(result.error), true);
        return;
    }
    failureReported = true;
    sayTo(QString::fromStdString(result.error), true);
}

} // namespace pigmentrix
