#pragma once

#include "update/download_text.h"
#include "update/version_file.h"

#include <QObject>
#include <QUrl>

#include <optional>

namespace pigmentrix {

// Where the version check asks.
struct VersionSource {
    QUrl url;
    DownloadOptions options;
};

// The maker's server with the standard options.
VersionSource MakerVersionSource();

// The answer of one check; report is nullopt when the check failed (no
// connection, no answer in time, an oversized answer or no version in it).
struct VersionAnswer {
    std::optional<VersionReport> report;
    bool silent = true;
    bool showform = true;
};

// Runs one version check at a time in the background; the window stays
// responsive and hears the answer through answered().
class VersionChecker : public QObject {
    Q_OBJECT

public:
    explicit VersionChecker(QObject *parent = nullptr);

    VersionSource source = MakerVersionSource();

    // Starts a check of ownVersion unless one is under way. A request while
    // a check runs joins it: the answer is shown when either asked for it
    // loudly, and the window is made when either asked for it.
    void start(const QString &ownVersion, bool silent, bool showform);
    bool running() const { return running_ != nullptr; }
    // Gives the running check up: the fetch ends and no answer comes.
    void cancel();

signals:
    void answered(const pigmentrix::VersionAnswer &answer);

private:
    // The running check's fetch lives as long as this object.
    QObject *running_ = nullptr;
    VersionAnswer pending;
};

} // namespace pigmentrix
