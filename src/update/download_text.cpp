#include "update/download_text.h"

#include "storage/text_lines.h"

#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <string_view>

namespace pigmentrix {
namespace {

constexpr int MaxRedirects = 5;

class SystemProxyFactory final : public QNetworkProxyFactory {
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery &query) override
    {
        return systemProxyForQuery(query);
    }
};

QNetworkRequest MakeRequest(const QUrl &url, const DownloadOptions &options)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Pigmentrix"));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    // Redirects may move to another HTTPS address, never down to plain HTTP.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(MaxRedirects);
    QSslConfiguration ssl = options.ssl.value_or(QSslConfiguration::defaultConfiguration());
    ssl.setPeerVerifyMode(QSslSocket::VerifyPeer);
    request.setSslConfiguration(ssl);
    return request;
}

// The server answered with an HTTP error status; its page is the answer.
bool IsErrorPage(QNetworkReply::NetworkError error)
{
    return (error >= QNetworkReply::ContentAccessDenied && error <= QNetworkReply::UnknownContentError)
           || (error >= QNetworkReply::InternalServerError && error <= QNetworkReply::UnknownServerError);
}

QString Decode(const QByteArray &bytes)
{
    return QString::fromStdString(DecodeTextFile(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
}

// One fetch: owns its manager and reply, reports once and goes away.
class Download final : public QObject {
public:
    Download(const QUrl &url, const DownloadOptions &options, QObject *context, DownloadDone done)
        : QObject(context)
        , maxBytes(options.maxBytes)
        , done(std::move(done))
    {
        if (options.systemProxy)
            manager.setProxyFactory(new SystemProxyFactory);
        else
            manager.setProxy(QNetworkProxy::NoProxy);
        reply = manager.get(MakeRequest(url, options));
        connect(reply, &QNetworkReply::downloadProgress, this, &Download::checkSize);
        connect(reply, &QNetworkReply::finished, this, &Download::finish);
        timer.setSingleShot(true);
        connect(&timer, &QTimer::timeout, this, [this] { abortWith(QStringLiteral("No answer within the time-out")); });
        timer.start(options.timeout);
    }

    // A fetch cancelled with its context must not report from inside the
    // teardown of its own members.
    ~Download() override { reply->disconnect(this); }

private:
    void checkSize(qint64 received, qint64 total)
    {
        if (received > maxBytes || total > maxBytes)
            abortWith(QStringLiteral("The answer is larger than %1 bytes").arg(maxBytes));
    }

    void abortWith(const QString &reason)
    {
        if (failure.isEmpty())
            failure = reason;
        reply->abort();
    }

    void finish()
    {
        timer.stop();
        DownloadResult result;
        if (!failure.isEmpty()) {
            result.error = failure;
        } else if (reply->error() != QNetworkReply::NoError && !IsErrorPage(reply->error())) {
            result.error = QStringLiteral("Cannot open URL %1: %2").arg(reply->url().toString(), reply->errorString());
        } else {
            const QByteArray bytes = reply->read(maxBytes + 1);
            if (bytes.size() > maxBytes) {
                result.error = QStringLiteral("The answer is larger than %1 bytes").arg(maxBytes);
            } else {
                result.ok = true;
                result.text = Decode(bytes);
            }
        }
        deleteLater();
        done(result);
    }

    QNetworkAccessManager manager;
    QNetworkReply *reply = nullptr;
    QTimer timer;
    qint64 maxBytes;
    QString failure;
    DownloadDone done;
};

} // namespace

void DownloadText(const QUrl &url, const DownloadOptions &options, QObject *context, DownloadDone done)
{
    if (url.scheme() != QLatin1String("https") || url.host().isEmpty()) {
        const QString error = QStringLiteral("Only https addresses are fetched, not %1").arg(url.toString());
        QTimer::singleShot(0, context, [done = std::move(done), error] { done({false, {}, error}); });
        return;
    }
    new Download(url, options, context, std::move(done));
}

} // namespace pigmentrix
