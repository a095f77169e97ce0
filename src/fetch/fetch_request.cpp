#include "fetch/fetch_request.h"

#include <limits>

namespace pigmentrix {
namespace {

const QString TrustOption = QStringLiteral("--trust");
const QString TimeoutOption = QStringLiteral("--timeout-ms");
const QString MaxBytesOption = QStringLiteral("--max-bytes");
const QString DirectOption = QStringLiteral("--direct");
const QString EndOfOptions = QStringLiteral("--");

// A positive whole number that fits a timer, or 0 when text is not one.
qint64 PositiveNumber(const QString &text)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    return ok && value > 0 && value <= std::numeric_limits<int>::max() && !text.startsWith(QLatin1Char('+')) ? value
                                                                                                             : 0;
}

} // namespace

bool IsFetchable(const QUrl &url)
{
    return url.isValid() && url.scheme() == QLatin1String("https") && !url.host().isEmpty();
}

QString NotFetchableReason(const QUrl &url)
{
    return QStringLiteral("Only https addresses are fetched, not %1").arg(url.toString());
}

QString TooLargeReason(qint64 maxBytes)
{
    return QStringLiteral("The answer is larger than %1 bytes").arg(maxBytes);
}

QString TimeoutReason()
{
    return QStringLiteral("No answer within the time-out");
}

QStringList FetchArguments(const FetchRequest &request)
{
    const FetchOptions &options = request.options;
    QStringList arguments;
    if (!options.trustedCertificatesFile.isEmpty())
        arguments << TrustOption << options.trustedCertificatesFile;
    arguments << TimeoutOption << QString::number(options.timeout.count());
    arguments << MaxBytesOption << QString::number(options.maxBytes);
    if (!options.systemProxy)
        arguments << DirectOption;
    arguments << EndOfOptions << request.url.toString(QUrl::FullyEncoded);
    return arguments;
}

std::variant<FetchRequest, QString> ParseFetchArguments(const QStringList &arguments)
{
    FetchRequest request;
    qsizetype i = 0;
    for (; i < arguments.size() && arguments[i] != EndOfOptions; ++i) {
        const QString &option = arguments[i];
        if (option == DirectOption) {
            request.options.systemProxy = false;
            continue;
        }
        if (option != TrustOption && option != TimeoutOption && option != MaxBytesOption)
            return QStringLiteral("unknown option %1").arg(option);
        if (i + 1 >= arguments.size())
            return QStringLiteral("%1 needs a value").arg(option);
        const QString &text = arguments[++i];
        if (option == TrustOption) {
            if (text.isEmpty())
                return QStringLiteral("%1 needs a file").arg(option);
            request.options.trustedCertificatesFile = text;
            continue;
        }
        const qint64 number = PositiveNumber(text);
        if (number == 0)
            return QStringLiteral("%1 needs a whole number from 1 to 2147483647, not \"%2\"").arg(option, text);
        if (option == TimeoutOption)
            request.options.timeout = std::chrono::milliseconds(number);
        else
            request.options.maxBytes = number;
    }
    if (i + 2 != arguments.size())
        return QStringLiteral("expected one address after \"--\"");
    request.url = QUrl(arguments[i + 1], QUrl::StrictMode);
    if (!IsFetchable(request.url))
        return QStringLiteral("only https addresses are fetched, not \"%1\"").arg(arguments[i + 1]);
    return request;
}

} // namespace pigmentrix
