#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <chrono>
#include <variant>

namespace pigmentrix {

// How a text is fetched from the web.
struct FetchOptions {
    // Certificates are always verified. A PEM file of the authorities to
    // trust instead of the system's (a test trusts its own certificate so);
    // empty: the system's.
    QString trustedCertificatesFile;
    // The whole fetch, from the request to the last byte.
    std::chrono::milliseconds timeout = std::chrono::seconds(15);
    // A larger answer is a failure, not a truncated text.
    qint64 maxBytes = 64 * 1024;
    // Go through the proxy the desktop is configured with; off: connect directly.
    bool systemProxy = true;
};

struct FetchRequest {
    QUrl url;
    FetchOptions options;
};

// Only HTTPS addresses with a host are fetched.
bool IsFetchable(const QUrl &url);

// Why a fetch failed, in the same words wherever it is found out.
QString NotFetchableReason(const QUrl &url);
QString TooLargeReason(qint64 maxBytes);
QString TimeoutReason();

// The command line of the fetch program for request, and back. Parsing
// refuses unknown options, missing or malformed values, a time-out or size
// cap that is not positive and an address that is not fetchable; the string
// then says why.
QStringList FetchArguments(const FetchRequest &request);
std::variant<FetchRequest, QString> ParseFetchArguments(const QStringList &arguments);

} // namespace pigmentrix
