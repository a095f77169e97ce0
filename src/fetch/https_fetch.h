#pragma once

#include "fetch/fetch_request.h"

#include <QByteArray>
#include <QString>

#include <functional>

class QObject;

namespace pigmentrix {

struct FetchResult {
    bool ok = false;
    QByteArray body; // the answer as sent, at most the size cap
    QString error; // why it failed, for the log of a developer
};

using FetchDone = std::function<void(const FetchResult &)>;

// Fetches request.url with the user agent "Pigmentrix", bypassing every cache
// and following at most five redirects, none of them to plain HTTP. Returns
// at once; done runs exactly once, later, on this thread, unless context is
// destroyed first, which cancels the fetch. An error page sent by the server
// is returned like any other answer.
void FetchOverHttps(const FetchRequest &request, QObject *context, FetchDone done);

} // namespace pigmentrix
