#include "fetch/https_fetch.h"

#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QTimer>

namespace pigmentrix {
namespace {

constexpr int MaxRedirects = 5;

class SystemProxyFactory final : public QNetworkProxyFactory {
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery &query) override { return systemProxyForQuery(query); }
};

QNetworkRequest MakeRequest(const FetchRequest &fetch, const QList<QSslCertificate> &trusted)
{
    QNetworkRequest request(fetch.url);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Pigmentrix"));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    // Redirects may move to another HTTPS address, never down to plain HTTP.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(MaxRedirects);
    QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
    if (!fetch.options.trustedCertificatesFile.isEmpty())
        ssl.setCaCertificates(trusted);
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

// One fetch: owns its manager and reply, reports once and goes away.
class Fetch final : public QObject {
public:
    Fetch(const FetchRequest &request, const QList<QSslCertificate> &trusted, QObject *context, FetchDone done)
        : QObject(context)
        , maxBytes(request.options.maxBytes)
        , done(std::move(done))
    {
        if (request.options.systemProxy)
            manager.setProxyFactory(new SystemProxyFactory);
        else
            manager.setProxy(QNetworkProxy::NoProxy);
        reply = manager.get(MakeRequest(request, trusted));
        connect(reply, &QNetworkReply::downloadProgress, this, &Fetch::checkSize);
        connect(reply, &QNetworkReply::finished, this, &Fetch::finish);
        timer.setSingleShot(true);
        connect(&timer, &QTimer::timeout, this, [this] { abortWith(TimeoutReason()); });
        timer.start(request.options.timeout);
    }

    // A fetch cancelled with its context must not report from inside the
    // teardown of its own members.
    ~Fetch() override { reply->disconnect(this); }

private:
    void checkSize(qint64 received, qint64 total)
    {
        if (received > maxBytes || total > maxBytes)
            abortWith(TooLargeReason(maxBytes));
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
        FetchResult result;
        if (!failure.isEmpty()) {
            result.error = failure;
        } else if (reply->error() != QNetworkReply::NoError && !IsErrorPage(reply->error())) {
            result.error = QStringLiteral("Cannot open URL %1: %2").arg(reply->url().toString(), reply->errorString());
        } else {
            QByteArray bytes = reply->read(maxBytes + 1);
            if (bytes.size() > maxBytes) {
                result.error = TooLargeReason(maxBytes);
            } else {
                result.ok = true;
                result.body = std::move(bytes);
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
    FetchDone done;
};

void ReportLater(QObject *context, FetchDone done, const QString &error)
{
    QTimer::singleShot(0, context, [done = std::move(done), error] { done({false, {}, error}); });
}

} // namespace

void FetchOverHttps(const FetchRequest &request, QObject *context, FetchDone done)
{
    if (!IsFetchable(request.url))
        return ReportLater(context, std::move(done), NotFetchableReason(request.url));
    QList<QSslCertificate> trusted;
    const QString &file = request.options.trustedCertificatesFile;
    if (!file.isEmpty()) {
        trusted = QSslCertificate::fromPath(file, QSsl::Pem, QSslCertificate::PatternSyntax::FixedString);
        // Trusting nobody would fail every fetch with a misleading reason.
        if (trusted.isEmpty())
            return ReportLater(context, std::move(done),
                               QStringLiteral("No certificate can be read from %1").arg(file));
    }
    new Fetch(request, trusted, context, std::move(done));
}

} // namespace pigmentrix
