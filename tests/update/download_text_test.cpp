#include "local_https_server.h"
#include "update/download_text.h"

#include <QFile>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace pigmentrix {
namespace {

using namespace std::chrono_literals;

class DownloadTextTest : public testing::Test {
protected:
    // Fetches url and waits for the result.
    DownloadResult fetch(const QUrl &url, const DownloadOptions &options)
    {
        std::optional<DownloadResult> result;
        int calls = 0;
        QObject context;
        DownloadText(url, options, &context, [&](const DownloadResult &r) {
            result = r;
            ++calls;
        });
        EXPECT_FALSE(result) << "the answer must come later, not from inside the call";
        EXPECT_TRUE(WaitUntil([&] { return result.has_value(); }));
        EXPECT_EQ(calls, 1);
        return result.value_or(DownloadResult{});
    }

    LocalHttpsServer server;
};

TEST_F(DownloadTextTest, ReturnsTheAnswerAndIdentifiesItself)
{
    server.answer({200, "<meta name=\"Version\" content=\"15.1\">\r\n"});
    const DownloadResult result = fetch(server.url(), server.trustingOptions());
    EXPECT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.text, QStringLiteral("<meta name=\"Version\" content=\"15.1\">\r\n"));
    EXPECT_TRUE(server.lastRequest.startsWith("GET /version/pigmentrix.txt HTTP/1.1\r\n"));
    EXPECT_TRUE(server.lastRequest.contains("\r\nUser-Agent: Pigmentrix\r\n")) << server.lastRequest.toStdString();
}

struct DecodeRow {
    const char *name;
    QByteArray bytes;
    QString text;
};

TEST_F(DownloadTextTest, DecodesTheAnswerAsATextFile)
{
    const std::vector<DecodeRow> rows = {
        {"UTF-8", "caf\xC3\xA9", QStringLiteral("café")},
        {"Latin-1 when not UTF-8", "caf\xE9", QStringLiteral("café")},
        {"byte-order mark dropped", "\xEF\xBB\xBFVersion", QStringLiteral("Version")},
    };
    for (const DecodeRow &row : rows) {
        SCOPED_TRACE(row.name);
        server.answer({200, row.bytes});
        const DownloadResult result = fetch(server.url(), server.trustingOptions());
        EXPECT_TRUE(result.ok);
        EXPECT_EQ(result.text, row.text);
    }
}

TEST_F(DownloadTextTest, AnErrorPageIsReturnedLikeAnyAnswer)
{
    server.answer({500, "<html><body>Internal Server Error</body></html>"});
    const DownloadResult result = fetch(server.url(), server.trustingOptions());
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.text, QStringLiteral("<html><body>Internal Server Error</body></html>"));
}

struct SizeRow {
    const char *name;
    qsizetype size;
    bool withLength;
    bool ok;
};

TEST_F(DownloadTextTest, AnswersOver64KiBFail)
{
    const std::vector<SizeRow> rows = {
        {"exactly the cap", 64 * 1024, true, true},
        {"one byte over, announced", 64 * 1024 + 1, true, false},
        {"one byte over, not announced", 64 * 1024 + 1, false, false},
        {"far over, not announced", 1024 * 1024, false, false},
    };
    for (const SizeRow &row : rows) {
        SCOPED_TRACE(row.name);
        server.answer({200, QByteArray(row.size, 'x'), row.withLength});
        const DownloadResult result = fetch(server.url(), server.trustingOptions());
        EXPECT_EQ(result.ok, row.ok) << result.error.toStdString();
        if (row.ok)
            EXPECT_EQ(result.text.size(), row.size);
        else
            EXPECT_TRUE(result.text.isEmpty());
    }
}

TEST_F(DownloadTextTest, AServerThatNeverAnswersTimesOut)
{
    server.neverAnswer();
    const DownloadResult result = fetch(server.url(), server.trustingOptions(200ms));
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QStringLiteral("time-out"))) << result.error.toStdString();
}

TEST_F(DownloadTextTest, AnUntrustedCertificateIsRefused)
{
    server.answer({200, "<meta name=\"Version\" content=\"99.0\">"});
    DownloadOptions options = server.trustingOptions();
    options.trustedCertificatesFile.clear();
    const DownloadResult result = fetch(server.url(), options);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.text.isEmpty());
}

TEST_F(DownloadTextTest, AnUnreadableTrustFileIsAFailureThatSaysSo)
{
    server.answer({200, "<meta name=\"Version\" content=\"99.0\">"});
    QTemporaryDir folder;
    DownloadOptions options = server.trustingOptions();
    options.trustedCertificatesFile = folder.filePath(QStringLiteral("missing.pem"));
    const DownloadResult result = fetch(server.url(), options);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QStringLiteral("No certificate"))) << result.error.toStdString();
    EXPECT_TRUE(server.lastRequest.isEmpty());
}

struct FetcherRow {
    const char *name;
    const char *script; // the fetch program, a shell script; empty: none at all
    const char *reason; // part of the error reported
};

// The picker keeps its own time-out and size cap and survives a fetch program
// that is missing, hangs, floods or dies.
TEST_F(DownloadTextTest, AMisbehavingFetchProgramCannotHoldTheCheckUp)
{
    const std::vector<FetcherRow> rows = {
        {"missing", "", "Cannot start"},
        {"hangs", "exec sleep 30", "time-out"},
        {"floods", "exec yes", "larger than 65536 bytes"},
        {"killed", "kill -9 $$", "stopped unexpectedly"},
        {"fails quietly", "exit 1", "failed"},
        {"fails with a reason", "echo 'pigmentrix-fetch: no route' >&2; exit 1", "no route"},
    };
    QTemporaryDir folder;
    for (const FetcherRow &row : rows) {
        SCOPED_TRACE(row.name);
        DownloadOptions options = server.trustingOptions(500ms);
        options.fetcher = folder.filePath(QString::fromUtf8(row.name));
        if (*row.script != '\0') {
            QFile script(options.fetcher);
            ASSERT_TRUE(script.open(QIODevice::WriteOnly));
            script.write(QByteArray("#!/bin/sh\n") + row.script + "\n");
            script.close();
            script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        const DownloadResult result = fetch(server.url(), options);
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.text.isEmpty());
        EXPECT_TRUE(result.error.contains(QString::fromUtf8(row.reason))) << result.error.toStdString();
    }
}

TEST_F(DownloadTextTest, OnlyHttpsIsFetched)
{
    QTcpServer plain;
    ASSERT_TRUE(plain.listen(QHostAddress::LocalHost));
    const QString port = QString::number(plain.serverPort());
    for (const QString &address :
         {QStringLiteral("http://127.0.0.1:") + port + QStringLiteral("/version/pigmentrix.txt"),
          QStringLiteral("ftp://127.0.0.1:") + port + QStringLiteral("/version/pigmentrix.txt"),
          QStringLiteral("file:///etc/hostname"), QString()}) {
        SCOPED_TRACE(address.toStdString());
        const DownloadResult result = fetch(QUrl(address), server.trustingOptions());
        EXPECT_FALSE(result.ok);
    }
    EXPECT_FALSE(plain.hasPendingConnections());
}

TEST_F(DownloadTextTest, NothingListeningIsAFailure)
{
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    QUrl url = server.url();
    url.setPort(closed.serverPort());
    closed.close();
    EXPECT_FALSE(fetch(url, server.trustingOptions()).ok);
}

TEST_F(DownloadTextTest, DestroyingTheContextCancelsTheFetch)
{
    server.neverAnswer();
    bool called = false;
    {
        QObject context;
        DownloadText(server.url(), server.trustingOptions(), &context, [&](const DownloadResult &) { called = true; });
        WaitUntil([&] { return !server.lastRequest.isEmpty(); });
    }
    QTest::qWait(50);
    EXPECT_FALSE(called);
}

} // namespace
} // namespace pigmentrix
