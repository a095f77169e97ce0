#pragma once

#include "storage/background_writer.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

namespace pigmentrix {

class SettingsStore;

// Keeps the settings file in step with the window: a change is written
// within about a second, at most once a second, atomically and on a thread
// of its own; nothing is written when nothing changed, and an idle window
// sets no timer.
class SettingsAutosave : public QObject {
    Q_OBJECT

public:
    // What a write has to say: an error, or a notice (where an unreadable
    // file went).
    using Report = std::function<void(const QString &message, bool isError)>;

    // collect puts the window's present settings into store.
    SettingsAutosave(SettingsStore &store, std::function<void()> collect, Report report, QObject *parent);
    ~SettingsAutosave() override;

    // Something the settings keep may have changed.
    void changed();
    // The same, for a change that goes on (the window being moved): the write
    // waits until it has rested for a second.
    void changing();
    // Writes what the store holds now, on the calling thread, once earlier
    // writes are done: for the end of the program. What there is to say
    // goes to sayTo.
    void saveNow(const Report &sayTo);

private:
    void writeInBackground();
    void written(const std::optional<std::string> &error);
    static void tell(const SettingsSaveResult &result, const Report &report);

    SettingsStore &store;
    std::function<void()> collect;
    Report report;
    QTimer timer;
    BackgroundWriter writer;
    // A failing disk is reported once, until a write succeeds again.
    bool failureReported = false;
};

} // namespace pigmentrix
