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
// sets no timer. A write that keeps failing is reported once, until one
// succeeds again. Should the program end without closing (its display gone:
// the platform then calls exit()), what is pending is written on the way
// out.
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
    // The program ends without a close: collects and writes what is pending,
    // telling the log what failed.
    void saveBeforeExit();
    // Where a write's news goes when nobody is there to read a message.
    static void log(const QString &message, bool isError);

private:
    void writeInBackground();
    void written(const SettingsWrite &write, const std::optional<std::string> &error);
    void tell(const SettingsSaveResult &result, const Report &sayTo);

    SettingsStore &store;
    std::function<void()> collect;
    Report report;
    QTimer timer;
    BackgroundWriter writer;
    // A failing disk is reported once, until a write succeeds again.
    bool failureReported = false;
};

} // namespace pigmentrix
