#pragma once

#include "fetch/fetch_request.h"

#include <QString>
#include <QUrl>

#include <functional>

class QObject;

namespace pigmentrix {

// How a text is fetched, and by which program.
struct DownloadOptions : FetchOptions {
    // The fetch program; empty: the one installed with the picker.
    QString fetcher;
};

// Where the fetch program lives: beside the program in a private folder of
// the installation (and of the build tree, which has the same shape).
QString InstalledFetcherPath();

struct DownloadResult {
    bool ok = false;
    QString text; // the answer decoded as a text file: UTF-8 when valid, else Latin-1
    QString error; // why it failed, for the log of a developer; never shown to users
};

using DownloadDone = std::function<void(const DownloadResult &)>;

// Fetches url over HTTPS (plain HTTP and other schemes are refused) through
// the fetch program, with the user agent "Pigmentrix", bypassing every
// cache. Returns at once; done runs exactly once, later, on this thread,
// unless context is destroyed first, which cancels the fetch and ends the
// fetch program. An error page sent by the server is returned like any other
// answer.
void DownloadText(const QUrl &url, const DownloadOptions &options, QObject *context, DownloadDone done);

} // namespace pigmentrix
