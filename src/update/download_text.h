#pragma once

#include <QSslConfiguration>
#include <QString>
#include <QUrl>

#include <chrono>
#include <functional>
#include <optional>

class QObject;

namespace pigmentrix {

// How a text is fetched from the web.
struct DownloadOptions {
    // Certificates are always verified; a test trusts its own certificate by
    // putting it in here. None: the desktop's configuration, taken when a
    // fetch starts, so that no TLS library is loaded before one is needed.
    std::optional<QSslConfiguration> ssl;
    // The whole fetch, from the request to the last byte.
    std::chrono::milliseconds timeout = std::chrono::seconds(15);
    // A larger answer is a failure, not a truncated text.
    qint64 maxBytes = 64 * 1024;
    // Go through the proxy the desktop is configured with; off: connect directly.
    bool systemProxy = true;
};

struct DownloadResult {
    bool ok = false;
    QString text;  // the answer decoded as a text file: UTF-8 when valid, else Latin-1
    QString error; // why it failed, for the log of a developer; never shown to users
};

using DownloadDone = std::function<void(const DownloadResult &)>;

// Fetches url over HTTPS (plain HTTP and other schemes are refused) with the
// user agent "Pigmentrix", bypassing every cache. Returns at once; done runs
// exactly once, later, on this thread, unless context is destroyed first,
// which cancels the fetch. An error page sent by the server is returned like
// any other answer.
void DownloadText(const QUrl &url, const DownloadOptions &options, QObject *context, DownloadDone done);

} // namespace pigmentrix
