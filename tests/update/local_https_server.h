#pragma once

#include "update/version_checker.h"

#include <QByteArray>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslServer>
#include <QTcpServer>

#include <chrono>

namespace pigmentrix {

// A certificate and key for 127.0.0.1, made once per test program with the
// openssl command.
struct TestCertificate {
    QSslCertificate certificate;
    QSslKey key;
    QString file; // the certificate as PEM, kept while the test program runs
};
const TestCertificate &LocalCertificate();

// An HTTPS server on 127.0.0.1 that answers every request with the prepared
// reply, or not at all.
class LocalHttpsServer {
public:
    LocalHttpsServer();

    struct Reply {
        int status = 200;
        QByteArray body;
        bool withLength = true; // false: the end of the body is the end of the connection
    };
    void answer(const Reply &reply) { prepared = reply, silent = false; }
    void neverAnswer() { silent = true; }

    QUrl url(const QString &path = QStringLiteral("/version/pigmentrix.txt")) const;
    // Options that run the fetch program of this build, trust this server's
    // certificate, connect directly and give up after timeout.
    DownloadOptions trustingOptions(std::chrono::milliseconds timeout = std::chrono::seconds(5)) const;
    VersionSource source() const { return {url(), trustingOptions()}; }

    // The head of the last request received.
    QByteArray lastRequest;

private:
    void serve(QSslSocket *socket);

    QSslServer server;
    Reply prepared;
    bool silent = false;
};

// Waits (running the event loop) until ready() holds or a generous safety
// limit passes; returns ready().
bool WaitUntil(const std::function<bool()> &ready);

} // namespace pigmentrix
