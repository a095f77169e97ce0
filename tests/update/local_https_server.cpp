#include "local_https_server.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QSslSocket>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace pigmentrix {
namespace {

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TestCertificate MakeCertificate(const QTemporaryDir &folder)
{
    const QString key = folder.filePath(QStringLiteral("key.pem"));
    const QString certificate = folder.filePath(QStringLiteral("certificate.pem"));
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes", "-keyout",
                   key, "-out", certificate, "-days", "1", "-subj", "/CN=127.0.0.1", "-addext",
                   "subjectAltName=IP:127.0.0.1"});
    if (!openssl.waitForFinished(30000) || openssl.exitCode() != 0)
        ADD_FAILURE() << "openssl could not make a certificate: " << openssl.readAllStandardError().toStdString();
    return {QSslCertificate(ReadAll(certificate)), QSslKey(ReadAll(key), QSsl::Ec), certificate};
}

QByteArray ReasonPhrase(int status)
{
    return status == 200 ? "OK" : "Error";
}

} // namespace

const TestCertificate &LocalCertificate()
{
    static const QTemporaryDir folder;
    static const TestCertificate made = MakeCertificate(folder);
    return made;
}

LocalHttpsServer::LocalHttpsServer()
{
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificate(LocalCertificate().certificate);
    configuration.setPrivateKey(LocalCertificate().key);
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    server.setSslConfiguration(configuration);
    QObject::connect(&server, &QTcpServer::pendingConnectionAvailable, &server, [this] {
        while (server.hasPendingConnections())
            serve(static_cast<QSslSocket *>(server.nextPendingConnection()));
    });
    if (!server.listen(QHostAddress::LocalHost))
        ADD_FAILURE() << "the test server cannot listen: " << server.errorString().toStdString();
}

QUrl LocalHttpsServer::url(const QString &path) const
{
    QUrl url;
    url.setScheme(QStringLiteral("https"));
    url.setHost(QStringLiteral("127.0.0.1"));
    url.setPort(server.serverPort());
    url.setPath(path);
    return url;
}

DownloadOptions LocalHttpsServer::trustingOptions(std::chrono::milliseconds timeout) const
{
    DownloadOptions options;
    options.fetcher = QStringLiteral(PIGMENTRIX_FETCHER);
    options.trustedCertificatesFile = LocalCertificate().file;
    options.timeout = timeout;
    options.systemProxy = false;
    return options;
}

void LocalHttpsServer::serve(QSslSocket *socket)
{
    auto request = std::make_shared<QByteArray>();
    QObject::connect(socket, &QSslSocket::readyRead, socket, [this, socket, request] {
        request->append(socket->readAll());
        if (!request->contains("\r\n\r\n"))
            return;
        lastRequest = *request;
        if (silent)
            return;
        QByteArray head = "HTTP/1.1 " + QByteArray::number(prepared.status) + ' ' + ReasonPhrase(prepared.status)
                          + "\r\nContent-Type: text/html\r\nConnection: close\r\n";
        if (prepared.withLength)
            head += "Content-Length: " + QByteArray::number(prepared.body.size()) + "\r\n";
        socket->write(head + "\r\n" + prepared.body);
        socket->disconnectFromHost();
    });
    QObject::connect(socket, &QSslSocket::disconnected, socket, &QObject::deleteLater);
}

bool WaitUntil(const std::function<bool()> &ready)
{
    return QTest::qWaitFor(ready, 10000);
}

} // namespace pigmentrix
