#include "fetch/fetch_request.h"

#include <gtest/gtest.h>

#include <vector>

namespace pigmentrix {
namespace {

using namespace std::chrono_literals;

struct RoundTripRow {
    const char *name;
    FetchRequest request;
};

TEST(FetchArgumentsTest, ARequestSurvivesTheCommandLine)
{
    const QUrl url(QStringLiteral("https://pigmentrix.org/version/pigmentrix.txt"));
    const std::vector<RoundTripRow> rows = {
        {"defaults", {url, {}}},
        {"everything set", {url, {QStringLiteral("/tmp/my certs/ca.pem"), 250ms, 1, false}}},
        {"a trust file that looks like an option", {url, {QStringLiteral("--direct"), 15s, 64 * 1024, true}}},
        {"largest limits", {url, {{}, 2147483647ms, 2147483647, true}}},
        {"address with port, query and escapes",
         {QUrl(QStringLiteral("https://127.0.0.1:8443/a%20b/v.txt?x=-y&z=%C3%A9")), {}}},
    };
    for (const RoundTripRow &row : rows) {
        SCOPED_TRACE(row.name);
        const auto parsed = ParseFetchArguments(FetchArguments(row.request));
        ASSERT_TRUE(std::holds_alternative<FetchRequest>(parsed)) << std::get<QString>(parsed).toStdString();
        const FetchRequest &back = std::get<FetchRequest>(parsed);
        EXPECT_EQ(back.url, row.request.url);
        EXPECT_EQ(back.options.trustedCertificatesFile, row.request.options.trustedCertificatesFile);
        EXPECT_EQ(back.options.timeout, row.request.options.timeout);
        EXPECT_EQ(back.options.maxBytes, row.request.options.maxBytes);
        EXPECT_EQ(back.options.systemProxy, row.request.options.systemProxy);
    }
}

struct RefusalRow {
    const char *name;
    QStringList arguments;
    const char *reason; // part of the message
};

TEST(FetchArgumentsTest, AMalformedCommandLineIsRefusedWithAReason)
{
    const QString url = QStringLiteral("https://pigmentrix.org/v.txt");
    const std::vector<RefusalRow> rows = {
        {"nothing", {}, "one address"},
        {"no separator", {url}, "unknown option https"},
        {"no address", {"--"}, "one address"},
        {"two addresses", {"--", url, url}, "one address"},
        {"unknown option", {"--insecure", "--", url}, "unknown option --insecure"},
        {"option without its value", {"--timeout-ms"}, "--timeout-ms needs a value"},
        {"empty trust file", {"--trust", "", "--", url}, "--trust needs a file"},
        {"zero time-out", {"--timeout-ms", "0", "--", url}, "--timeout-ms needs a whole number"},
        {"negative cap", {"--max-bytes", "-5", "--", url}, "--max-bytes needs a whole number"},
        {"plus sign", {"--max-bytes", "+5", "--", url}, "--max-bytes needs a whole number"},
        {"not a number", {"--timeout-ms", "15s", "--", url}, "--timeout-ms needs a whole number"},
        {"beyond a timer", {"--timeout-ms", "2147483648", "--", url}, "--timeout-ms needs a whole number"},
        {"plain http", {"--", "http://pigmentrix.org/v.txt"}, "only https"},
        {"a local file", {"--", "file:///etc/passwd"}, "only https"},
        {"no host", {"--", "https:///v.txt"}, "only https"},
        {"not an address", {"--", "https://exa mple.org/"}, "only https"},
    };
    for (const RefusalRow &row : rows) {
        SCOPED_TRACE(row.name);
        const auto parsed = ParseFetchArguments(row.arguments);
        ASSERT_TRUE(std::holds_alternative<QString>(parsed));
        EXPECT_TRUE(std::get<QString>(parsed).contains(QString::fromUtf8(row.reason)))
            << std::get<QString>(parsed).toStdString();
    }
}

} // namespace
} // namespace pigmentrix
